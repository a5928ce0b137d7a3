#include "win/device/WinClock.h"

// The multimedia header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace ravix::win {

WinClock::WinClock() = default;
WinClock::~WinClock() = default;

void WinClock::BeginFinePauses() {
    if (m_fineRequests++ == 0) m_finePeriod = std::make_unique<FineTimerPeriod>();
}

void WinClock::EndFinePauses() {
    if (m_fineRequests > 0 && --m_fineRequests == 0) m_finePeriod.reset();
}

void WinClock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::uint32_t WinClock::TickCount() {
    return GetTickCount();
}

FineTimerPeriod::FineTimerPeriod() : m_active(timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimerPeriod::~FineTimerPeriod() {
    if (m_active) timeEndPeriod(1);
}

}  // namespace ravix::win
