// The main window's layout, picture and presses: painting the shared parts with each page's body,
// and carrying out what a press does.
#include "core/skin/SkinPaths.h"
#include "win/app/Messages.h"
#include "win/app/VarnixDlg.h"
#include "win/dialogs/MacroProgramDialog.h"
#include "win/editor/MainWindowPainter.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {
namespace {

ClientPoint PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

MainWindowLayout CVarnixDlg::Layout() const {
    return LayOutMainWindow(m_window.layout, m_look.Look().bodyHeights);
}

// The top view puts the thumb back at the top of the bar; in the bottom view it stays where it is.
void CVarnixDlg::SwitchRightView(RightPanelView view) {
    m_window.layout.rightView = view;
    if (view == RightPanelView::Top) m_thumb.MoveToTop(m_hWnd);
}

void CVarnixDlg::PaintClient(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    XCMemDC surface(dc, &client);
    const MainWindowLayout layout = Layout();
    const COLORREF captionColour = static_cast<COLORREF>(ColourRefOf(m_state.store.skinTextColour));
    const MainWindowPicture picture{m_look.Look(),     m_look.Background(), m_window, layout,
                                    m_hover.Current(), captionColour,       m_pages};
    PaintMainWindow(surface, picture);
}

LRESULT CVarnixDlg::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    // The panels may have ended themselves.
    m_window.helpWindowOpen = m_help.IsOpen();
    m_window.profileManagerOpen = m_profileManager.IsOpen();
    const std::vector<PressAction> actions = DispatchPress(PointOf(lParam), m_window, Layout());
    for (const PressAction& action : actions) CarryOut(action);
    return 0;
}

void CVarnixDlg::CarryOut(const PressAction& action) {
    if (m_pages.Press(action)) return;  // each page repaints what the press changed
    switch (action.kind) {
        case PressKind::Reset:
            ResetToFactory();
            // Every section collapses, with the views of the window's start.
            m_pages.CollapseAll(m_window);
            m_window = ResetWindowState(m_window);
            SwitchRightView(RightPanelView::Top);
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
        case PressKind::ToggleSection: {
            const Section section = action.section.value_or(Section::MacroManager);
            if (section == Section::MacroManager) return;
            m_pages.Toggle(section, m_window.layout.Toggle(section));
            break;
        }
        case PressKind::SwitchRightView:
            SwitchRightView(action.rightView.value_or(RightPanelView::Top));
            break;
        case PressKind::OpenHelp:
        case PressKind::CloseHelp:
            m_help.Press(action.kind, HelpSetup{m_look.Look().skinFolder, m_look.Look().language,
                                                m_state.store.skinTextColour, m_ports.notifier});
            m_window.helpWindowOpen = m_help.IsOpen();
            return;
        case PressKind::OpenMacroManager:
            if (const auto image = RunMacroManager(
                    this, {m_look.Look().skinFolder, m_look.Look().language, m_state.store.skinTextColour,
                           m_ports.ini, m_ports.binaryFiles, m_ports.notifier, m_ports.executablePath,
                           m_state.store.files.libraryPath, m_state.profileSettings, m_state.macroManager}))
                StoreMacroImage(m_state.profileSettings, *image);
            return;
        case PressKind::OpenProfileManager:
            m_profileManager.Open({m_look.Look().skinFolder, m_look.Look().language, m_state.store.skinTextColour,
                                   {m_ports.executablePath, m_ports.ini, m_ports.binaryFiles, m_ports.notifier}});
            m_window.profileManagerOpen = m_profileManager.IsOpen();
            return;
        case PressKind::DragWindow:
            // Posted, so that the move loop starts after this press has been handled.
            ReleaseCapture();
            PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return;
        default:
            // Nothing else is pressed here.
            return;
    }
    // The stacking moves the bodies whenever a section opens or closes.
    m_pages.Place(Layout());
    m_pageContext.Redraw();
}

}  // namespace ravix::win
