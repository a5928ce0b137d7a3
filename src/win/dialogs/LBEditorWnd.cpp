#include "win/dialogs/LBEditorWnd.h"

#include <vector>

#include "win/dialogs/DialogDrawing.h"

namespace ravix::win {
namespace {

// The editor is the list box's only child with this id.
constexpr UINT kEditorId = 1;

std::wstring WindowText(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}  // namespace

CLBEditorWnd* CLBEditorWnd::Begin(HWND listBox, int index, CommitHandler onCommit) {
    if (!listBox || index < 0 || index >= SendMessageW(listBox, LB_GETCOUNT, 0, 0)) return nullptr;
    if (CLBEditorWnd* open = ActiveOn(listBox)) open->Commit();
    RECT item{};
    if (SendMessageW(listBox, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return nullptr;
    InflateRect(&item, 1, 1);
    const std::wstring text = ListEntryText(listBox, index);
    const HWND edit = CreateWindowExW(
        0, L"EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, item.left, item.top,
        item.right - item.left, item.bottom - item.top, listBox,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditorId)), GetModuleHandleW(nullptr), nullptr);
    if (!edit) return nullptr;
    auto* editor = new CLBEditorWnd(listBox, index, std::move(onCommit));
    if (!editor->SubclassWindow(edit)) {
        delete editor;
        DestroyWindow(edit);
        return nullptr;
    }
    SendMessageW(edit, WM_SETFONT, SendMessageW(listBox, WM_GETFONT, 0, 0), FALSE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    SetCapture(edit);
    return editor;
}

CLBEditorWnd* CLBEditorWnd::ActiveOn(HWND listBox) {
    return dynamic_cast<CLBEditorWnd*>(FromHandle(GetDlgItem(listBox, kEditorId)));
}

void CLBEditorWnd::ReplaceEntry(HWND listBox, int index, const std::wstring& text) {
    SendMessageW(listBox, LB_DELETESTRING, index, 0);
    SendMessageW(listBox, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(listBox, LB_SETCURSEL, index, 0);
}

void CLBEditorWnd::End(bool commit) {
    if (m_ended) return;
    m_ended = true;
    if (GetCapture() == m_hWnd) ReleaseCapture();
    const HWND self = m_hWnd;
    // Held here: a handler that closes the list destroys this editor while it runs.
    const CommitHandler handler = std::move(m_onCommit);
    if (commit && handler) handler(m_index, WindowText(self));
    // Keys and presses still queued for the editor would otherwise reach whatever has the focus next.
    // (Only input: a paint request stays queued until the window is drawn, so it would never go.)
    MSG pending;
    while (PeekMessageW(&pending, self, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageW(&pending, self, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
    DestroyWindow(self);  // deletes this editor
}

bool CLBEditorWnd::Key(WPARAM key) {
    if (key == VK_ESCAPE) {
        Cancel();
        return true;
    }
    if (key == VK_RETURN || key == VK_TAB) {
        Commit();
        return true;
    }
    return false;
}

bool CLBEditorWnd::PressOutside(LPARAM lParam) const {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return !PtInRect(&client, point);
}

// The dialog's own navigation and key filters would take Enter, Escape and Tab before the editor.
bool CLBEditorWnd::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd != m_hWnd) return false;
    if (msg->message == WM_KEYDOWN) return Key(msg->wParam);
    if (msg->message == WM_CHAR)
        return msg->wParam == L'\r' || msg->wParam == L'\x1b' || msg->wParam == L'\t';
    return false;
}

bool CLBEditorWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_GETDLGCODE:
            result = DLGC_WANTALLKEYS;
            return true;
        case WM_KEYDOWN:
            return Key(wParam);
        case WM_CHAR:
            return wParam == L'\r' || wParam == L'\x1b' || wParam == L'\t';
        case WM_LBUTTONDOWN:
            if (!PressOutside(lParam)) return false;
            Commit();
            return true;
        case WM_KILLFOCUS:
            result = DefaultProc(message, wParam, lParam);
            Commit();
            return true;
        case WM_DESTROY:
            // Destroyed from outside (its list or dialog went away): nothing is committed.
            m_ended = true;
            return false;
        case WM_NCDESTROY:
            result = DefaultProc(message, wParam, lParam);
            delete this;  // gives the window back its own procedure
            return true;
        default:
            return false;
    }
}

}  // namespace ravix::win
