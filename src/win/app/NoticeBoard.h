#pragma once

#include <windows.h>

#include <vector>

#include "core/app/DeviceEventNotice.h"
#include "core/app/TextCatalogue.h"
#include "win/app/ProgramPorts.h"
#include "win/app/ProgramState.h"
#include "win/app/TrayIcon.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {

// Turns the mouse's own events (WM_DEVICE_EVENT, from the listener or the window itself) into the
// notices shown at the notification-area icon, and keeps every notice shown.
class NoticeBoard final : public MessageHandler {
public:
    NoticeBoard(ProgramState& state, const ProgramPorts& ports, const TextCatalogue& texts,
                CTrayIcon& trayIcon)
        : m_state(state), m_ports(ports), m_texts(texts), m_trayIcon(trayIcon) {}

    // Oldest first.
    const std::vector<Notice>& Notices() const { return m_notices; }

    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Show(const Notice& notice);

    ProgramState& m_state;
    const ProgramPorts& m_ports;
    const TextCatalogue& m_texts;
    CTrayIcon& m_trayIcon;
    std::vector<Notice> m_notices;
};

}  // namespace ravix::win
