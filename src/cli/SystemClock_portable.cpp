// ravixctl's clock where the platform needs nothing special: the standard library's steady clock.
#include "cli/SystemClock.h"
#include "core/platform/SteadyClock.h"

namespace ravix {

std::unique_ptr<Clock> OpenSystemClock() {
    return std::make_unique<SteadyClock>();
}

}  // namespace ravix
