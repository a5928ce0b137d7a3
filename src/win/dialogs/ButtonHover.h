#pragma once

#include <windows.h>

#include "core/dialogs/ColourControls.h"
#include "win/dialogs/DialogDrawing.h"

namespace ravix::win {

// Which painted button of a skinned dialog the pointer rests on, so that it shows its "-over"
// picture: the pointer must rest 10 ms, and leaving the button or the window puts it out.
template <class Region>
class ButtonHover {
public:
    using RegionAt = Region (*)(PixelPoint);
    using Lightable = bool (*)(Region);

    ButtonHover(RegionAt regionAt, Lightable lightable) : m_regionAt(regionAt), m_lightable(lightable) {}

    Region Lit() const { return m_lit; }

    // Answers the pointer's messages; true when the lit button changed and the window is to be drawn again.
    bool OnMessage(HWND window, UINT message, LPARAM lParam) {
        switch (message) {
            case WM_MOUSEMOVE:
                if (!m_lightable(m_regionAt(At(lParam)))) return Light(Region::None);
                TrackHover(window);
                return false;
            case WM_MOUSEHOVER:
                return Light(m_regionAt(At(lParam)));
            case WM_MOUSELEAVE:
                return Light(Region::None);
            default:
                return false;
        }
    }

private:
    static PixelPoint At(LPARAM lParam) {
        return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    }

    bool Light(Region region) {
        if (!m_lightable(region)) region = Region::None;
        if (region == m_lit) return false;
        m_lit = region;
        return true;
    }

    RegionAt m_regionAt;
    Lightable m_lightable;
    Region m_lit = Region::None;
};

}  // namespace ravix::win
