#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace ravix::win {

// The program's icon in the notification area: the user's way back to the hidden main window, the
// home of the one menu with Exit, and the carrier of the balloon notices. One record, filled when
// the icon is added and reused for every later call.
class CTrayIcon {
public:
    static constexpr UINT kIdentifier = 1;

    CTrayIcon() = default;
    ~CTrayIcon() { Remove(); }
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Adds the icon; its mouse messages reach `window` as `callbackMessage`.
    void Add(HWND window, UINT callbackMessage, HICON icon, const std::wstring& tip);
    void ShowNotice(const std::wstring& text, const std::wstring& title, UINT timeoutMs);
    void Remove();
    // The icon's menu at the pointer: Exit (command `exitCommand`, named `exitText`) and what
    // `addItems` appends; its commands reach the icon's window.
    void ShowMenu(UINT exitCommand, const std::wstring& exitText, const std::function<void(HMENU)>& addItems) const;
    bool Added() const { return m_added; }

    // What the record holds now, for tests.
    const NOTIFYICONDATAW& Record() const { return m_record; }

private:
    NOTIFYICONDATAW m_record{};
    bool m_added = false;
};

}  // namespace ravix::win
