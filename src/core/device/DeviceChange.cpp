#include "core/device/DeviceChange.h"

namespace ravix {
namespace {

bool NamesTheMouse(std::wstring_view name) {
    return name.find(L"Vid_04d9&Pid_a0f4") != std::wstring_view::npos ||
           name.find(L"VID_04D9&PID_A0F4") != std::wstring_view::npos;
}

}  // namespace

DeviceChange ClassifyDeviceChange(std::uint32_t eventType, std::uint32_t deviceType, std::wstring_view name) {
    if (deviceType != kDeviceInterfaceBroadcast || !NamesTheMouse(name)) return DeviceChange::ignore;
    if (eventType == kDeviceArrival) return DeviceChange::arrival;
    if (eventType == kDeviceRemoveComplete) return DeviceChange::removal;
    return DeviceChange::ignore;
}

DeviceChange CombineDeviceChanges(DeviceChange gathered, DeviceChange next) {
    if (gathered == DeviceChange::arrival || next == DeviceChange::arrival) return DeviceChange::arrival;
    if (gathered == DeviceChange::removal || next == DeviceChange::removal) return DeviceChange::removal;
    return DeviceChange::ignore;
}

DeviceChangeResponse RespondToDeviceChange(DeviceChange change, bool discovered) {
    DeviceChangeResponse response;
    if (change == DeviceChange::ignore) return response;
    if (!discovered) {
        response.notice = kMouseNotDetectedEvent;
        response.hideWindow = change == DeviceChange::arrival;
        return response;
    }
    response.connected = true;
    if (change == DeviceChange::arrival) {
        response.notice = kMouseDetectedEvent;
        response.reconnect = true;
    }
    return response;
}

}  // namespace ravix
