// ravixctl's HID bus on Linux: hidraw, over the real system calls.
#include "cli/SystemBus.h"
#include "linux/device/LinuxHidBus.h"

namespace ravix {

std::unique_ptr<HidBus> OpenSystemHidBus(std::ostream& diagnostics) {
    return std::make_unique<linux_hid::LinuxHidBus>(
        std::make_unique<linux_hid::PosixHidrawIo>(), linux_hid::HidrawLocations{},
        [&diagnostics](const std::string& line) { diagnostics << "ravixctl: " << line << '\n'; });
}

}  // namespace ravix
