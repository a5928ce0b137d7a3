// The main window's own picture and presses: painting every region of the skin, carrying out what
// a press on a region does, and swapping images under the pointer.
#include "core/skin/SkinPaths.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/editor/MainWindowPainter.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {
namespace {

// The pointer must rest this long on a region before its image swaps.
constexpr DWORD kHoverTimeMs = 10;

ClientPoint PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

MainWindowLayout CVarnixDlg::Layout() const {
    return LayOutMainWindow(m_window.layout, m_bodyHeights);
}

void CVarnixDlg::Redraw() {
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CVarnixDlg::PaintClient(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    XCMemDC surface(dc, &client);
    const MainWindowLayout layout = Layout();
    const MainWindowPicture picture{m_skinFolder,
                                    m_background.get(),
                                    m_window,
                                    layout,
                                    m_hover,
                                    m_texts,
                                    m_state.store.text.labels,
                                    m_captionFont.Get(),
                                    static_cast<COLORREF>(ColourRefOf(m_state.store.skinTextColour))};
    PaintMainWindow(surface, picture);
}

LRESULT CVarnixDlg::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    const std::vector<PressAction> actions = DispatchPress(PointOf(lParam), m_window, Layout());
    for (const PressAction& action : actions) CarryOut(action);
    return 0;
}

void CVarnixDlg::CarryOut(const PressAction& action) {
    switch (action.kind) {
        case PressKind::Reset:
            ResetToFactory();
            CloseAllButtonLists();
            m_window = ResetWindowState(m_window);
            break;
        case PressKind::Cancel:
            CancelEdits();
            break;
        case PressKind::Save:
            SaveToMouse();
            break;
        case PressKind::Minimise:
            ShowWindow(m_hWnd, SW_HIDE);
            break;
        case PressKind::Close:
            ExitProgram();
        case PressKind::ShowMouseView:
            m_window.mouseView = action.mouseView.value_or(MouseView::Front);
            break;
        case PressKind::ToggleSection:
            ToggleSection(action.section.value_or(Section::MacroManager));
            break;
        case PressKind::SwitchRightView:
            m_window.layout.rightView = action.rightView.value_or(RightPanelView::Top);
            break;
        case PressKind::CloseButtonLists:
            CloseAllButtonLists();
            break;
        case PressKind::ButtonBox:
            PressBox(action.button);
            return;
        case PressKind::DragWindow:
            // Posted, so that the move loop starts after this press has been handled.
            ReleaseCapture();
            PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return;
        default:
            // The help window, the profile manager, the macro manager and the pages' own controls
            // answer once they are built.
            return;
    }
    Redraw();
}

void CVarnixDlg::ToggleSection(Section section) {
    if (section == Section::MacroManager) return;
    bool& expanded = m_window.layout.expanded[static_cast<std::size_t>(section)];
    expanded = !expanded;
    // Collapsing Button Assignment closes the list that was open in it.
    if (section == Section::ButtonAssignment && !expanded) CloseAllButtonLists();
}

LRESULT CVarnixDlg::OnMouseMove(WPARAM, LPARAM lParam) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, m_hWnd, kHoverTimeMs};
    TrackMouseEvent(&track);
    // Leaving every hover region restores the normal images at once.
    if (HoverTargetAt(PointOf(lParam), m_window).region == HoverRegion::None) ShowHover({});
    return 0;
}

LRESULT CVarnixDlg::OnMouseHover(WPARAM, LPARAM lParam) {
    ShowHover(HoverTargetAt(PointOf(lParam), m_window));
    return 0;
}

LRESULT CVarnixDlg::OnMouseLeave(WPARAM, LPARAM) {
    ShowHover({});
    return 0;
}

void CVarnixDlg::ShowHover(HoverTarget target) {
    if (target == m_hover) return;
    m_hover = target;
    Redraw();
}

}  // namespace ravix::win
