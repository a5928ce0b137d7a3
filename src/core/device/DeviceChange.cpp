#include "core/device/DeviceChange.h"

#include <algorithm>
#include <utility>

namespace ravix {
namespace {

bool NamesTheMouse(std::wstring_view name) {
    return name.find(L"Vid_04d9&Pid_a0f4") != std::wstring_view::npos ||
           name.find(L"VID_04D9&PID_A0F4") != std::wstring_view::npos;
}

}  // namespace

DeviceChange ClassifyDeviceChange(std::uint32_t eventType, std::uint32_t deviceType, std::wstring_view name) {
    if (deviceType != kDeviceInterfaceBroadcast || !NamesTheMouse(name)) return DeviceChange::Ignore;
    if (eventType == kDeviceArrival) return DeviceChange::Arrival;
    if (eventType == kDeviceRemoveComplete) return DeviceChange::Removal;
    return DeviceChange::Ignore;
}

std::uint32_t DeviceChangeSettler::Add(DeviceChange change, std::uint32_t nowMs) {
    if (change == DeviceChange::Ignore) return kSettleMs;
    if (!m_firstMs) m_firstMs = nowMs;
    m_burst.last = change;
    m_burst.arrived = m_burst.arrived || change == DeviceChange::Arrival;
    const std::uint32_t waited = nowMs - *m_firstMs;
    return waited >= kLongestWaitMs ? 0 : std::min(kSettleMs, kLongestWaitMs - waited);
}

SettledDeviceChange DeviceChangeSettler::Take() {
    m_firstMs.reset();
    return std::exchange(m_burst, SettledDeviceChange{});
}

DeviceChangeResponse RespondToSettledChange(SettledDeviceChange change, bool discovered, bool wasConnected) {
    DeviceChangeResponse response;
    if (change.last == DeviceChange::Ignore) return response;
    if (!discovered) {
        response.notice = kMouseNotDetectedEvent;
        response.hideWindow = change.last == DeviceChange::Arrival;
        return response;
    }
    response.connected = true;
    if (change.arrived || !wasConnected) {
        response.notice = kMouseDetectedEvent;
        response.reconnect = true;
    }
    return response;
}

}  // namespace ravix
