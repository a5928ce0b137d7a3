// The Button Assignment page's lists: a button's list of functions opened from its box, the
// second-level list opened beside the hovered entry, and the choices they store.
#include "core/editor/ButtonAssignment.h"
#include "core/editor/ButtonBoxes.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"

namespace ravix::win {
namespace {

constexpr wchar_t kWarningCaption[] = L"Warning";

ClientRect ClientRectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

HWND CreateList(HWND parent, ClientRect rect, int id, HFONT font) {
    const HWND list = CreateWindowExW(
        0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, rect.left, rect.top, rect.Width(),
        rect.Height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (list && font) SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return list;
}

template <typename Entries>
void Fill(HWND list, const Entries& entries) {
    for (const std::wstring& entry : entries) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

// The entry under a point of the list's client area, none when the point is past the last entry.
std::optional<int> EntryAt(HWND list, POINT point) {
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0) return std::nullopt;
    return static_cast<int>(LOWORD(hit));
}

}  // namespace

void CVarnixDlg::PressBox(int button) {
    const bool expanded = m_window.layout.IsExpanded(Section::ButtonAssignment);
    switch (PressButtonBox(expanded, m_window.openButtonList, m_state.profileSettings, button)) {
        case BoxPress::Ignored:
            return;
        case BoxPress::CloseList:
            CloseAllButtonLists();
            break;
        case BoxPress::RefuseLeftClick:
            CloseAllButtonLists();
            StoreNotifier().ShowMessage(m_texts.leftKeyRequired, kWarningCaption);
            break;
        case BoxPress::OpenList:
            CloseAllButtonLists();
            m_mainList = CreateList(m_hWnd, MainListRect(button), MainListControlId(button), m_captionFont.Get());
            Fill(m_mainList, MainListEntries(m_texts));
            m_window.openButtonList = button;
            break;
    }
    Redraw();
}

void CVarnixDlg::CloseSubList() {
    if (m_subList) DestroyWindow(m_subList);
    m_subList = nullptr;
    m_openSubList.reset();
}

void CVarnixDlg::CloseAllButtonLists() {
    CloseSubList();
    if (m_mainList) DestroyWindow(m_mainList);
    m_mainList = nullptr;
    m_window.openButtonList.reset();
}

// Hovering a list highlights the entry under the pointer; in a button's list, the entries that
// lead to a second-level list open it beside themselves and the others close it.
void CVarnixDlg::HoverList(HWND list, POINT point) {
    if (!list || (list != m_mainList && list != m_subList)) return;
    const std::optional<int> entry = EntryAt(list, point);
    if (!entry) return;
    SendMessageW(list, LB_SETCURSEL, *entry, 0);
    if (list != m_mainList) return;
    const std::optional<SubList> sub = SubListOpenedBy(*entry);
    if (sub == m_openSubList) return;
    CloseSubList();
    if (!sub || !m_window.openButtonList) return;
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, *entry, reinterpret_cast<LPARAM>(&item));
    const ClientRect at = SubListRect(*sub, MainListRect(*m_window.openButtonList), ClientRectOf(item));
    m_subList = CreateList(m_hWnd, at, SubListControlId(*sub), m_captionFont.Get());
    Fill(m_subList, SubListEntries(*sub, m_texts, m_language));
    m_openSubList = sub;
}

// A choice in the open button's list or in its second-level list, clicked or double-clicked.
LRESULT CVarnixDlg::OnListChoice(WPARAM, LPARAM lParam) {
    const HWND list = reinterpret_cast<HWND>(lParam);
    if (!m_window.openButtonList || (list != m_mainList && list != m_subList)) return 0;
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return 0;
    const int button = *m_window.openButtonList;
    const int position = static_cast<int>(selected);
    ProfileSettings& settings = m_state.profileSettings;
    const std::optional<std::wstring> label =
        list == m_mainList ? ChooseMainEntry(settings, button, position, m_texts)
                           : ChooseSubEntry(settings, button, *m_openSubList, position, m_texts, m_language);
    if (!label) return 0;
    m_state.store.text.labels[static_cast<std::size_t>(button - 1)] = *label;
    CloseAllButtonLists();
    Redraw();
    return 0;
}

}  // namespace ravix::win
