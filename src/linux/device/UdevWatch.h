#pragma once

#include <memory>

#include "core/device/DeviceWatch.h"
#include "linux/device/HidrawChannels.h"
#include "linux/device/HidrawNodes.h"

namespace ravix::linux_hid {

// Hot-plug through udev's monitor of the hidraw subsystem. Nothing when udev cannot be reached, or
// in a build without libudev.
std::unique_ptr<DeviceWatch> OpenUdevWatch(const HidrawLocations& locations, const Diagnostics& diagnostics);

}  // namespace ravix::linux_hid
