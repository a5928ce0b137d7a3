#include "win/app/TrayIcon.h"

#include <cwchar>

#include "win/platform/UniqueResources.h"

namespace ravix::win {
namespace {

template <std::size_t N>
void CopyText(wchar_t (&field)[N], const std::wstring& text) {
    // Cut to the field's size: the shell shows no more anyway.
    std::wcsncpy(field, text.c_str(), N - 1);
    field[N - 1] = L'\0';
}

}  // namespace

void CTrayIcon::Add(HWND window, UINT callbackMessage, HICON icon, const std::wstring& tip) {
    m_record = {};
    // The record with the balloon fields and the item identifier.
    m_record.cbSize = NOTIFYICONDATAW_V3_SIZE;
    m_record.hWnd = window;
    m_record.uID = kIdentifier;
    m_record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_record.uCallbackMessage = callbackMessage;
    m_record.hIcon = icon;
    CopyText(m_record.szTip, tip);
    m_added = Shell_NotifyIconW(NIM_ADD, &m_record) != FALSE;
}

void CTrayIcon::ShowNotice(const std::wstring& text, const std::wstring& title, UINT timeoutMs) {
    if (!m_record.hWnd) return;
    CopyText(m_record.szInfo, text);
    CopyText(m_record.szInfoTitle, title);
    m_record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    m_record.dwInfoFlags = NIIF_INFO;
    m_record.uTimeout = timeoutMs;
    Shell_NotifyIconW(NIM_MODIFY, &m_record);
}

void CTrayIcon::ShowMenu(UINT exitCommand, const std::wstring& exitText,
                         const std::function<void(HMENU)>& addItems) const {
    POINT cursor{};
    GetCursorPos(&cursor);
    const UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, exitCommand, exitText.c_str());
    addItems(menu.Get());
    // The menu closes when the user clicks elsewhere only if its window is in the foreground.
    SetForegroundWindow(m_record.hWnd);
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, m_record.hWnd, nullptr);
}

void CTrayIcon::Remove() {
    if (m_record.hWnd) Shell_NotifyIconW(NIM_DELETE, &m_record);
    m_added = false;
    m_record.hWnd = nullptr;
}

}  // namespace ravix::win
