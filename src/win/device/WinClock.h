#pragma once

#include <cstdint>

#include "core/platform/Clock.h"

namespace ravix::win {

// The system's clock: Sleep and the tick count.
class WinClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override;
};

// While it lives, the system's timer runs at a 1 ms period, so that the 2 ms and 20 ms pauses of
// a long write to the mouse last what they say instead of a whole scheduler tick (about 16 ms).
class FineTimerPeriod {
public:
    FineTimerPeriod();
    ~FineTimerPeriod();
    FineTimerPeriod(const FineTimerPeriod&) = delete;
    FineTimerPeriod& operator=(const FineTimerPeriod&) = delete;

    bool Active() const { return active_; }

private:
    bool active_ = false;
};

}  // namespace ravix::win
