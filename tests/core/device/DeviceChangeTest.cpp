#include <gtest/gtest.h>

#include "core/device/DeviceChange.h"

namespace ravix {
namespace {

constexpr std::wstring_view kUpper = L"\\\\?\\HID#VID_04D9&PID_A0F4&Col02#7&1f2e3d4c&0&0001#{4d1e55b2-f16f}";
constexpr std::wstring_view kMixed = L"\\\\?\\hid#Vid_04d9&Pid_a0f4&col02#7&1f2e3d4c&0&0001#{4d1e55b2-f16f}";

TEST(DeviceChange, OnlyTheMousesInterfacesSpelledAsTheMarkersCount) {
    struct Case {
        const char* what;
        std::uint32_t eventType, deviceType;
        std::wstring_view name;
        DeviceChange expected;
    } cases[] = {
        {"arrival, upper-case marker", kDeviceArrival, 5, kUpper, DeviceChange::Arrival},
        {"arrival, mixed-case marker", kDeviceArrival, 5, kMixed, DeviceChange::Arrival},
        {"removal, upper-case marker", kDeviceRemoveComplete, 5, kUpper, DeviceChange::Removal},
        {"removal, mixed-case marker", kDeviceRemoveComplete, 5, kMixed, DeviceChange::Removal},
        {"all lower case", kDeviceArrival, 5, L"\\\\?\\hid#vid_04d9&pid_a0f4&col02#x", DeviceChange::Ignore},
        {"another mixture", kDeviceArrival, 5, L"\\\\?\\HID#VID_04d9&PID_a0f4#x", DeviceChange::Ignore},
        {"another device", kDeviceArrival, 5, L"\\\\?\\HID#VID_046D&PID_C077#x", DeviceChange::Ignore},
        {"not a device-interface broadcast", kDeviceArrival, 2, kUpper, DeviceChange::Ignore},
        {"a removal query", 0x8001, 5, kUpper, DeviceChange::Ignore},
        {"a removal still pending", 0x8003, 5, kUpper, DeviceChange::Ignore},
        {"no name", kDeviceArrival, 5, L"", DeviceChange::Ignore},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyDeviceChange(c.eventType, c.deviceType, c.name), c.expected) << c.what;
}

}  // namespace
}  // namespace ravix
