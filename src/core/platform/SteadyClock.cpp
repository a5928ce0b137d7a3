#include "core/platform/SteadyClock.h"

#include <thread>

namespace ravix {

void SteadyClock::Sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint32_t SteadyClock::TickCount() {
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

}  // namespace ravix
