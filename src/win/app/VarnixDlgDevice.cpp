// The main window's side of the device link: connecting at start-up, hearing the HID interfaces
// come and go, and closing the mouse's handles when the window goes.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/app/ModulePaths.h"
#include "core/device/ConnectSequence.h"
#include "core/device/DeviceChange.h"
#include "core/device/Discovery.h"
#include "win/app/Messages.h"
#include "win/app/ModulePath.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
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

// Broadcasts of the mouse's collections come within this time of each other.
constexpr UINT kSettleMs = 400;
// Not one of the Save guard's and wait cursor's timers 1 to 3.
constexpr UINT_PTR kSettleTimer = 16;

void CALLBACK SettleDeviceChanges(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    SendMessageW(window, WM_SETTLE_DEVICE_CHANGES, 0, 0);
}

}  // namespace

void CVarnixDlg::ConnectAtStartUp() {
    if (m_state.hidBus && Discover(*m_state.hidBus, m_state.deviceLink))
        ConnectToMouse();
    else
        m_state.deviceLink.connected = false;
}

// The mouse's current profile becomes the one edited, and the mouse is told the program is there.
void CVarnixDlg::ConnectToMouse() {
    m_state.deviceLink.connected = true;
    ConnectSequence(m_state.deviceLink, BytesOf(m_state.deviceImage), m_state.profileSettings.profile);
}

bool CVarnixDlg::RegisterForDeviceChanges() {
    m_deviceFilter = {};
    m_deviceFilter.dbcc_size = sizeof(m_deviceFilter);
    m_deviceFilter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    m_deviceFilter.dbcc_classguid = kHidInterfaceClass;
    m_deviceNotification = RegisterDeviceNotificationW(m_hWnd, &m_deviceFilter, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (m_deviceNotification) return true;
    ShowStartUpFailure(L"RegisterDeviceNotification failed!!!");
    return false;
}

void CVarnixDlg::ShowStartUpFailure(const wchar_t* text) {
    MessageBoxW(m_hWnd, text, ApplicationName(ExecutablePath()).c_str(), MB_OK);
}

// Every collection of the mouse arrives and leaves on its own, so one plug-in or unplug sends
// several broadcasts, spread over a short while. They are gathered until none has come for
// kSettleMs and then answered as one change: one search, one notice, one connection.
LRESULT CVarnixDlg::OnDeviceChange(WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (!header) return TRUE;
    const DeviceChange change = ClassifyDeviceChange(static_cast<std::uint32_t>(wParam),
                                                     header->dbch_devicetype, InterfaceName(*header));
    if (change == DeviceChange::Ignore) return TRUE;
    m_gatheredChange = CombineDeviceChanges(m_gatheredChange, change);
    SetTimer(m_hWnd, kSettleTimer, kSettleMs, &SettleDeviceChanges);
    return TRUE;
}

LRESULT CVarnixDlg::OnSettleDeviceChanges(WPARAM, LPARAM) {
    KillTimer(m_hWnd, kSettleTimer);
    const DeviceChange change = std::exchange(m_gatheredChange, DeviceChange::Ignore);
    if (change != DeviceChange::Ignore) AnswerDeviceChange(change);
    return 0;
}

void CVarnixDlg::AnswerDeviceChange(DeviceChange change) {
    bool discovered = false;
    {
        // The search may replace or close the event interface the listener reads.
        std::optional<EventListener::ChannelHold> hold;
        if (m_listener) hold.emplace(*m_listener);
        discovered = m_state.hidBus && Discover(*m_state.hidBus, m_state.deviceLink);
    }
    const DeviceChangeResponse response = RespondToDeviceChange(change, discovered);
    if (response.notice) SendMessageW(m_hWnd, WM_DEVICE_EVENT, *response.notice, 0);
    if (response.hideWindow) ShowWindow(m_hWnd, SW_HIDE);
    m_state.deviceLink.connected = response.connected;
    if (response.reconnect) {
        ConnectToMouse();
        ReloadProfile();
        ResumeListener();
    }
}

void CVarnixDlg::CloseDevice() {
    if (m_deviceNotification) UnregisterDeviceNotification(m_deviceNotification);
    m_deviceNotification = nullptr;
    KillTimer(m_hWnd, kSettleTimer);
    // No read of the listener may be left pending on the interfaces closed here.
    std::optional<EventListener::ChannelHold> hold;
    if (m_listener) hold.emplace(*m_listener);
    m_state.deviceLink.commandHandle.reset();
    m_state.deviceLink.eventHandle.reset();
    m_state.deviceLink.connected = false;
}

}  // namespace ravix::win
