#include "cli/SystemClock.h"

// A build with a clock adapter (the Windows build) defines RAVIX_HAVE_SYSTEM_CLOCK for this
// library and links its own OpenSystemClock instead.
#ifndef RAVIX_HAVE_SYSTEM_CLOCK

#include "core/platform/SteadyClock.h"

namespace ravix {

std::unique_ptr<Clock> OpenSystemClock() {
    return std::make_unique<SteadyClock>();
}

}  // namespace ravix

#endif
