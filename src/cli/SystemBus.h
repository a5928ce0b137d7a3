#pragma once

#include <memory>
#include <ostream>

#include "core/device/HidBus.h"

namespace ravix {

// The platform's HID bus, or nothing on a platform that has none. What goes wrong while it is used
// (a node without permission, an unusable descriptor) is written to `diagnostics`, one line each.
// The build picks the implementation: SystemBus_win.cpp, SystemBus_linux.cpp or SystemBus_portable.cpp.
std::unique_ptr<HidBus> OpenSystemHidBus(std::ostream& diagnostics);

}  // namespace ravix
