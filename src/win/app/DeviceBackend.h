#pragma once

#include <memory>

#include "core/app/ProgramSwitches.h"
#include "core/device/HidBus.h"
#include "core/device/TransferTrace.h"
#include "win/device/WinClock.h"

namespace ravix {
class SimulatedMouse;
class SimulatedBus;
}  // namespace ravix

namespace ravix::win {

// The bus and clock the program's device link talks through, chosen by the program's switches:
// the machine's HID bus, or with --simulate a simulated mouse that exists only then. Given the
// trace of --trace=FILE, every transfer and pause, and every failed call of the bus, is noted there.
class DeviceBackend {
public:
    DeviceBackend(const ProgramSwitches& switches, TransferSink* trace);
    ~DeviceBackend();
    DeviceBackend(const DeviceBackend&) = delete;
    DeviceBackend& operator=(const DeviceBackend&) = delete;

    HidBus& Bus() { return *m_bus; }
    Clock& DeviceClock() { return *m_clock; }

    // Only with --simulate.
    SimulatedMouse* Mouse() { return m_mouse.get(); }
    SimulatedBus* MouseBus() { return m_simulatedBus; }

private:
    WinClock m_systemClock;
    std::unique_ptr<SimulatedMouse> m_mouse;
    SimulatedBus* m_simulatedBus = nullptr;
    std::unique_ptr<HidBus> m_platformBus;
    std::unique_ptr<TracingHidBus> m_tracingBus;
    std::unique_ptr<TracingClock> m_tracingClock;
    HidBus* m_bus = nullptr;
    Clock* m_clock = &m_systemClock;
};

}  // namespace ravix::win
