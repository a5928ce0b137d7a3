#include "cli/SystemBus.h"

// A build that has a HID bus adapter (the Windows build, over the HID class driver) defines
// RAVIX_HAVE_SYSTEM_HID_BUS for this library and links its own OpenSystemHidBus instead.
#ifndef RAVIX_HAVE_SYSTEM_HID_BUS

namespace ravix {

std::unique_ptr<HidBus> OpenSystemHidBus() {
    return nullptr;
}

}  // namespace ravix

#endif
