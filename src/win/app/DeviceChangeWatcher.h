#pragma once

// The device-broadcast header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <functional>

#include "core/device/DeviceChange.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {

// Hears the HID interfaces come and go for a window and tells it what to do about it. Every
// collection of the mouse arrives and leaves on its own, so one plug-in or unplug sends several
// broadcasts spread over a short while; they are gathered and answered as one change (one search,
// one notice, one connection) by the state the last of them left, at the latest one second after
// the first.
class DeviceChangeWatcher final : public MessageHandler {
public:
    using Search = std::function<bool()>;     // looks for the mouse; true when found
    using Connected = std::function<bool()>;  // whether the mouse is connected now
    using Report = std::function<void(const DeviceChangeResponse&)>;

    DeviceChangeWatcher(Search search, Connected connected, Report report);
    ~DeviceChangeWatcher() override { Stop(); }
    DeviceChangeWatcher(const DeviceChangeWatcher&) = delete;
    DeviceChangeWatcher& operator=(const DeviceChangeWatcher&) = delete;

    // Asks the system for the HID interfaces' broadcasts to the window; false when it refused.
    bool Start(HWND window);
    void Stop();

    // WM_DEVICECHANGE and WM_SETTLE_DEVICE_CHANGES.
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Gather(HWND window, WPARAM event, LPARAM broadcast);
    void Settle(HWND window);

    Search m_search;
    Connected m_connected;
    Report m_report;
    HWND m_window = nullptr;
    DEV_BROADCAST_DEVICEINTERFACE_W m_filter{};
    HDEVNOTIFY m_notification = nullptr;
    DeviceChangeSettler m_burst;
};

}  // namespace ravix::win
