// ravixctl's clock on Windows: the same adapter the program uses.
#include "cli/SystemClock.h"
#include "win/device/WinClock.h"

namespace ravix {

std::unique_ptr<Clock> OpenSystemClock() {
    return std::make_unique<win::WinClock>();
}

}  // namespace ravix
