// The main window's layout, picture and presses: painting the shared parts with each page's body,
// carrying out what a press does, and swapping images under the pointer.
#include "core/skin/SkinPaths.h"
#include "win/app/Messages.h"
#include "win/app/VarnixDlg.h"
#include "win/editor/MainWindowPainter.h"
#include "win/resources/resource.h"
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
    static const BodyHeights heights = CatalogueBodyHeights();
    return LayOutMainWindow(m_window.layout, heights);
}

// The children are redrawn too: the window's picture covers the thumb and the open lists.
void CVarnixDlg::Redraw() {
    m_pageContext.Redraw();
}

void CVarnixDlg::CreateThumb() {
    const ClientRect at = kScrollThumbTop;
    const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, at.left,
                                        at.top, at.Width(), at.Height(), m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kScrollThumbControlId)),
                                        GetModuleHandleW(nullptr), nullptr);
    if (!button || !m_thumb.Attach(button)) return;
    m_thumb.SetStdImage(IDB_PANEL_THUMB);
    m_thumb.SetReportTarget(m_hWnd, WM_PANEL_SCROLL);
}

// The top view puts the thumb back at the top of the bar; in the bottom view it stays where it is.
void CVarnixDlg::SwitchRightView(RightPanelView view) {
    m_window.layout.rightView = view;
    if (view != RightPanelView::Top) return;
    const HWND thumb = GetDlgItem(m_hWnd, kScrollThumbControlId);
    const ClientRect at = kScrollThumbTop;
    if (thumb) MoveWindow(thumb, at.left, at.top, at.Width(), at.Height(), FALSE);
    CGdipButton::PanelThumbTop() = at.top;
}

LRESULT CVarnixDlg::OnPanelScroll(WPARAM thumbTop, LPARAM lParam) {
    if (lParam != 0) return 0;
    const std::optional<RightPanelView> view = ThumbViewSwitch(static_cast<int>(thumbTop), m_window.layout);
    if (!view) return 0;
    SwitchRightView(*view);
    PlacePages();
    Redraw();
    return 0;
}

void CVarnixDlg::PaintClient(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    XCMemDC surface(dc, &client);
    const MainWindowLayout layout = Layout();
    const MainWindowPicture picture{
        m_look,   m_background.get(),
        m_window, layout,
        m_hover,  static_cast<COLORREF>(ColourRefOf(m_state.store.skinTextColour)),
        m_pages};
    PaintMainWindow(surface, picture);
}

LRESULT CVarnixDlg::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    const std::vector<PressAction> actions = DispatchPress(PointOf(lParam), m_window, Layout());
    for (const PressAction& action : actions) CarryOut(action);
    return 0;
}

void CVarnixDlg::CarryOut(const PressAction& action) {
    if (const std::optional<Section> section = PageSectionOf(action)) {
        for (const auto& page : m_pages)
            if (page->PageSection() == *section) page->Press(action);
        Redraw();
        return;
    }
    switch (action.kind) {
        case PressKind::Reset:
            ResetToFactory();
            ResetPages();
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
            SwitchRightView(action.rightView.value_or(RightPanelView::Top));
            break;
        case PressKind::DragWindow:
            // Posted, so that the move loop starts after this press has been handled.
            ReleaseCapture();
            PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return;
        default:
            // The help window, the profile manager and the macro manager answer once they are built.
            return;
    }
    PlacePages();
    Redraw();
}

void CVarnixDlg::ToggleSection(Section section) {
    if (section == Section::MacroManager) return;
    bool& expanded = m_window.layout.expanded[static_cast<std::size_t>(section)];
    expanded = !expanded;
    for (const auto& page : m_pages) {
        if (page->PageSection() != section) continue;
        if (expanded)
            page->Expand();
        else
            page->Collapse();
    }
}

// Every section collapses, with the views of the window's start.
void CVarnixDlg::ResetPages() {
    for (const auto& page : m_pages) {
        page->CloseTransient();
        if (m_window.layout.IsExpanded(page->PageSection())) page->Collapse();
    }
    m_window = ResetWindowState(m_window);
    SwitchRightView(RightPanelView::Top);
}

// The stacking moves the bodies whenever a section opens or closes or the right panel scrolls.
void CVarnixDlg::PlacePages() {
    const MainWindowLayout layout = Layout();
    for (const auto& page : m_pages) page->Place(layout.Of(page->PageSection()));
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
