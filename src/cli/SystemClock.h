#pragma once

#include <memory>

#include "core/platform/Clock.h"

namespace ravix {

// The platform's clock. The build picks the implementation: SystemClock_win.cpp (which asks for a
// fine timer period while the mouse is written) or SystemClock_portable.cpp (the standard library's).
std::unique_ptr<Clock> OpenSystemClock();

}  // namespace ravix
