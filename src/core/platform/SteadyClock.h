#pragma once

#include <chrono>

#include "core/platform/Clock.h"

namespace ravix {

// A Clock over the standard library's monotonic clock, for every platform.
class SteadyClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override;

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

}  // namespace ravix
