#pragma once

#include <memory>

#include "core/platform/Clock.h"

namespace ravix {

// The platform's clock: the standard library's, unless the build brings a clock of its own (the
// Windows build's asks for a fine timer period while the mouse is written).
std::unique_ptr<Clock> OpenSystemClock();

}  // namespace ravix
