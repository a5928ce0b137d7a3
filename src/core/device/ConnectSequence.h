#pragma once

#include <cstdint>
#include <span>

#include "core/device/DeviceLink.h"
#include "core/device/DeviceMemoryLayout.h"

namespace ravix {

// What the program sends after a successful discovery: the image is zeroed, the mouse's current
// profile goes into header byte 0 and into `settingsProfile` (byte 0 of the settings record), and
// the connect command goes out with header byte 1 set to 0xFC.
void ConnectSequence(DeviceLink& link, std::span<std::uint8_t, kDeviceImageSize> deviceImage,
                     std::uint8_t& settingsProfile);

}  // namespace ravix
