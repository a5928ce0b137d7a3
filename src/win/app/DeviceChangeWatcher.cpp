#include "win/app/DeviceChangeWatcher.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "win/app/Messages.h"
#include "win/device/HidInterfaceClass.h"

namespace ravix::win {
namespace {

// The interface name of a device-interface broadcast, read no further than the broadcast reaches:
// the sender decides its size, and the name need not end inside it.
std::wstring_view InterfaceName(const DEV_BROADCAST_HDR& header) {
    constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (header.dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE || header.dbch_size <= kNameOffset) return {};
    const auto& broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W&>(header);
    const std::size_t capacity = (header.dbch_size - kNameOffset) / sizeof(wchar_t);
    return std::wstring_view(broadcast.dbcc_name, wcsnlen(broadcast.dbcc_name, capacity));
}

void CALLBACK SettleDeviceChanges(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    SendMessageW(window, WM_SETTLE_DEVICE_CHANGES, 0, 0);
}

}  // namespace

DeviceChangeWatcher::DeviceChangeWatcher(Search search, Connected connected, Report report)
    : m_search(std::move(search)), m_connected(std::move(connected)), m_report(std::move(report)) {}

bool DeviceChangeWatcher::Start(HWND window) {
    m_window = window;
    m_filter = {};
    m_filter.dbcc_size = sizeof(m_filter);
    m_filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    m_filter.dbcc_classguid = kHidInterfaceClass;
    m_notification = RegisterDeviceNotificationW(window, &m_filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    return m_notification != nullptr;
}

void DeviceChangeWatcher::Stop() {
    if (m_notification) UnregisterDeviceNotification(m_notification);
    m_notification = nullptr;
    if (m_window) KillTimer(m_window, kSettleTimer);
    m_window = nullptr;
    m_burst.Take();
}

bool DeviceChangeWatcher::OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          LRESULT& result) {
    if (message == WM_DEVICECHANGE) {
        Gather(window, wParam, lParam);
        result = TRUE;
        return true;
    }
    if (message == WM_SETTLE_DEVICE_CHANGES) {
        Settle(window);
        result = 0;
        return true;
    }
    return false;
}

// Each broadcast of the mouse's interfaces restarts the wait, as long as the burst is not a second old.
void DeviceChangeWatcher::Gather(HWND window, WPARAM event, LPARAM broadcast) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(broadcast);
    if (!header) return;
    const DeviceChange change = ClassifyDeviceChange(static_cast<std::uint32_t>(event),
                                                     header->dbch_devicetype, InterfaceName(*header));
    if (change == DeviceChange::Ignore) return;
    const std::uint32_t due = m_burst.Add(change, GetTickCount());
    SetTimer(window, kSettleTimer, std::max<UINT>(due, USER_TIMER_MINIMUM), &SettleDeviceChanges);
}

void DeviceChangeWatcher::Settle(HWND window) {
    KillTimer(window, kSettleTimer);
    const SettledDeviceChange burst = m_burst.Take();
    if (burst.last == DeviceChange::Ignore) return;
    const bool wasConnected = m_connected();
    m_report(RespondToSettledChange(burst, m_search(), wasConnected));
}

}  // namespace ravix::win
