#include "win/app/DeviceBackend.h"

#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/device/WinHidBus.h"

namespace ravix::win {

DeviceBackend::DeviceBackend(const ProgramSwitches& switches, TransferSink* trace) {
    if (switches.simulate) {
        m_mouse = std::make_unique<SimulatedMouse>();
        auto simulated = std::make_unique<SimulatedBus>(*m_mouse);
        m_simulatedBus = simulated.get();
        m_platformBus = std::move(simulated);
    } else {
        m_platformBus = std::make_unique<WinHidBus>(trace);
    }
    m_bus = m_platformBus.get();

    if (trace) {
        m_tracingBus = std::make_unique<TracingHidBus>(*m_platformBus, *trace);
        m_tracingClock = std::make_unique<TracingClock>(m_systemClock, *trace);
        m_bus = m_tracingBus.get();
        m_clock = m_tracingClock.get();
    }
}

DeviceBackend::~DeviceBackend() = default;

}  // namespace ravix::win
