// ravixctl's HID bus on a platform without an adapter: none, so only --simulate reaches a mouse.
#include "cli/SystemBus.h"

namespace ravix {

std::unique_ptr<HidBus> OpenSystemHidBus(std::ostream&) {
    return nullptr;
}

}  // namespace ravix
