#include "win/app/TrayIcon.h"

#include <cwchar>

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
    record_ = {};
    // The record with the balloon fields and the item identifier.
    record_.cbSize = NOTIFYICONDATAW_V3_SIZE;
    record_.hWnd = window;
    record_.uID = kIdentifier;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = callbackMessage;
    record_.hIcon = icon;
    CopyText(record_.szTip, tip);
    added_ = Shell_NotifyIconW(NIM_ADD, &record_) != FALSE;
}

void CTrayIcon::ShowNotice(const std::wstring& text, const std::wstring& title, UINT timeoutMs) {
    if (!record_.hWnd) return;
    CopyText(record_.szInfo, text);
    CopyText(record_.szInfoTitle, title);
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    record_.dwInfoFlags = NIIF_INFO;
    record_.uTimeout = timeoutMs;
    Shell_NotifyIconW(NIM_MODIFY, &record_);
}

void CTrayIcon::Remove() {
    if (record_.hWnd) Shell_NotifyIconW(NIM_DELETE, &record_);
    added_ = false;
    record_.hWnd = nullptr;
}

}  // namespace ravix::win
