#include "win/editor/PanelThumb.h"

#include "win/app/Messages.h"
#include "win/resources/resource.h"

namespace ravix::win {

void PanelThumb::Create(HWND window) {
    const ClientRect at = kScrollThumbTop;
    const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, at.left,
                                        at.top, at.Width(), at.Height(), window,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kScrollThumbControlId)),
                                        GetModuleHandleW(nullptr), nullptr);
    if (!button || !m_button.Attach(button)) return;
    m_button.SetStdImage(IDB_PANEL_THUMB);
    m_button.SetReportTarget(window, WM_PANEL_SCROLL);
}

void PanelThumb::MoveToTop(HWND window) {
    const HWND thumb = GetDlgItem(window, kScrollThumbControlId);
    const ClientRect at = kScrollThumbTop;
    if (thumb) MoveWindow(thumb, at.left, at.top, at.Width(), at.Height(), FALSE);
    CGdipButton::PanelThumbTop() = at.top;
}

bool PanelThumb::OnWindowMessage(HWND, UINT message, WPARAM thumbTop, LPARAM lParam, LRESULT& result) {
    if (message != WM_PANEL_SCROLL) return false;
    result = 0;
    if (lParam != 0) return true;
    if (const std::optional<RightPanelView> view =
            ThumbViewSwitch(static_cast<int>(thumbTop), m_state.layout))
        m_switchView(*view);
    return true;
}

}  // namespace ravix::win
