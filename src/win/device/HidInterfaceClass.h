#pragma once

#include <windows.h>

namespace ravix::win {

// The device-interface class of every HID collection, {4D1E55B2-F16F-11CF-88CB-001111000030}: the
// class that discovery lists and whose arrivals and removals the main window hears about.
inline constexpr GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

}  // namespace ravix::win
