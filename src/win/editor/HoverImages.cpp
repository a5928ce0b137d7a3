#include "win/editor/HoverImages.h"

#include "win/editor/SectionPage.h"

namespace ravix::win {
namespace {

// The pointer must rest this long on a region before its image swaps.
constexpr DWORD kHoverTimeMs = 10;

ClientPoint PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

bool HoverImages::OnWindowMessage(HWND window, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MOUSEMOVE) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, kHoverTimeMs};
        TrackMouseEvent(&track);
        // Leaving every hover region restores the normal images at once.
        if (HoverTargetAt(PointOf(lParam), m_state).region == HoverRegion::None) Show(window, {});
    } else if (message == WM_MOUSEHOVER) {
        Show(window, HoverTargetAt(PointOf(lParam), m_state));
    } else if (message == WM_MOUSELEAVE) {
        Show(window, {});
    } else {
        return false;
    }
    result = 0;
    return true;
}

void HoverImages::Show(HWND window, HoverTarget target) {
    if (target == m_current) return;
    m_current = target;
    RedrawWithChildren(window);
}

}  // namespace ravix::win
