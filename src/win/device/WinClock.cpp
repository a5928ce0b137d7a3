#include "win/device/WinClock.h"

// The multimedia header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace ravix::win {

void WinClock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

std::uint32_t WinClock::TickCount() {
    return GetTickCount();
}

FineTimerPeriod::FineTimerPeriod() : active_(timeBeginPeriod(1) == TIMERR_NOERROR) {}

FineTimerPeriod::~FineTimerPeriod() {
    if (active_) timeEndPeriod(1);
}

}  // namespace ravix::win
