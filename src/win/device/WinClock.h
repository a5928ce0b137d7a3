#pragma once

#include <cstdint>
#include <memory>

#include "core/platform/Clock.h"

namespace ravix::win {

class FineTimerPeriod;

// The system's clock: Sleep and the tick count. While fine pauses are asked for (a full write to
// the mouse), the system's timer runs at a 1 ms period.
class WinClock final : public Clock {
public:
    WinClock();
    ~WinClock() override;

    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override;
    void BeginFinePauses() override;
    void EndFinePauses() override;

private:
    int m_fineRequests = 0;
    std::unique_ptr<FineTimerPeriod> m_finePeriod;
};

// While it lives, the system's timer runs at a 1 ms period, so that the 2 ms and 20 ms pauses of
// a long write to the mouse last what they say instead of a whole scheduler tick (about 16 ms).
class FineTimerPeriod {
public:
    FineTimerPeriod();
    ~FineTimerPeriod();
    FineTimerPeriod(const FineTimerPeriod&) = delete;
    FineTimerPeriod& operator=(const FineTimerPeriod&) = delete;

    bool Active() const { return m_active; }

private:
    bool m_active = false;
};

}  // namespace ravix::win
