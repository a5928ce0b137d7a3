#include "win/device/WinClock.h"

// The multimedia header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include "win/platform/SystemLibrary.h"

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

namespace {

using TimerPeriodFn = MMRESULT WINAPI(UINT);

TimerPeriodFn* TimerPeriodFunction(const char* name) {
    return SystemFunction<TimerPeriodFn>(L"winmm.dll", name);
}

}  // namespace

// Without the multimedia library the pauses keep the scheduler's period: longer, never shorter.
FineTimerPeriod::FineTimerPeriod() {
    const auto begin = TimerPeriodFunction("timeBeginPeriod");
    m_active = begin && begin(1) == TIMERR_NOERROR;
}

FineTimerPeriod::~FineTimerPeriod() {
    if (const auto end = TimerPeriodFunction("timeEndPeriod"); m_active && end) end(1);
}

}  // namespace ravix::win
