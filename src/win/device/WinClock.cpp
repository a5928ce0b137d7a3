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
    if (fineRequests_++ == 0) finePeriod_ = std::make_unique<FineTimerPeriod>();
}

void WinClock::EndFinePauses() {
    if (fineRequests_ > 0 && --fineRequests_ == 0) finePeriod_.reset();
}

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
