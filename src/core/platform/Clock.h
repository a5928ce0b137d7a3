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

    // Between these two calls a burst of short pauses runs (a full write to the mouse): a clock
    // whose platform rounds pauses up to a coarse scheduler tick asks for a fine one meanwhile.
    // Calls nest; by default they do nothing.
    virtual void BeginFinePauses() {}
    virtual void EndFinePauses() {}
};

// Fine pauses for as long as it lives.
class FinePausesScope {
public:
    explicit FinePausesScope(Clock& clock) : m_clock(clock) { m_clock.BeginFinePauses(); }
    ~FinePausesScope() { m_clock.EndFinePauses(); }
    FinePausesScope(const FinePausesScope&) = delete;
    FinePausesScope& operator=(const FinePausesScope&) = delete;

private:
    Clock& m_clock;
};

}  // namespace ravix
