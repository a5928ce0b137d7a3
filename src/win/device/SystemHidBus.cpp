// ravixctl's HID bus on Windows: the same adapter the program uses.
#include "cli/SystemBus.h"
#include "win/device/WinHidBus.h"

namespace ravix {

std::unique_ptr<HidBus> OpenSystemHidBus() {
    return std::make_unique<win::WinHidBus>();
}

}  // namespace ravix
