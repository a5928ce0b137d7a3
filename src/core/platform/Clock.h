#pragma once

#include <cstdint>

namespace ravix {

// Time as the device link sees it: the fixed pauses the mouse needs between reports, and a
// millisecond tick for measuring. Tests replace it with a clock that only records the pauses.
class Clock {
public:
    virtual ~Clock() = default;

    // Blocks the calling thread for about `milliseconds`.
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // Milliseconds since an arbitrary start; wraps around like the platform's tick count.
    virtual std::uint32_t TickCount() = 0;
};

}  // namespace ravix
