// ravixctl's HID bus on Windows: the same adapter the program uses, which reports its failures in
// the transfer trace.
#include "cli/SystemBus.h"
#include "win/device/WinHidBus.h"

namespace ravix {

std::unique_ptr<HidBus> OpenSystemHidBus(std::ostream&) {
    return std::make_unique<win::WinHidBus>();
}

}  // namespace ravix
