#pragma once

#include <memory>

#include "core/device/HidBus.h"

namespace ravix {

// The platform's HID bus, or nothing on a platform that has none yet.
std::unique_ptr<HidBus> OpenSystemHidBus();

}  // namespace ravix
