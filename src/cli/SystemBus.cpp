#include "cli/SystemBus.h"

// The Windows build links its own definition, over the platform's HID class driver.
#ifndef _WIN32

namespace ravix {

std::unique_ptr<HidBus> OpenSystemHidBus() {
    return nullptr;
}

}  // namespace ravix

#endif
