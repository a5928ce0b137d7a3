#include "cli/DeviceSession.h"

#include "core/device/Discovery.h"
#include "core/device/DiscoveryText.h"
#include "sim/SimulatedBus.h"

namespace ravix {

std::unique_ptr<DeviceSession> DeviceSession::Open(bool simulate, CliContext& context) {
    std::unique_ptr<DeviceSession> session(new DeviceSession);
    if (simulate) {
        session->m_mouse = std::make_unique<SimulatedMouse>();
        session->m_ownedBus = std::make_unique<SimulatedBus>(*session->m_mouse);
        session->m_log = &session->m_mouse->Log();
        session->m_bus = session->m_ownedBus.get();
        if (context.simulatedMouseReady) context.simulatedMouseReady(*session->m_mouse);
    } else {
        if (context.openSystemBus) session->m_ownedBus = context.openSystemBus();
        if (!session->m_ownedBus) {
            context.err << "ravixctl: no HID bus is available on this platform yet; "
                           "use --simulate to talk to the simulated mouse\n";
            return nullptr;
        }
        session->m_tracingBus = std::make_unique<TracingHidBus>(*session->m_ownedBus, session->m_ownLog);
        session->m_bus = session->m_tracingBus.get();
    }
    session->m_clock = std::make_unique<TracingClock>(context.clock, *session->m_log);
    return session;
}

bool DeviceSession::Connect(DeviceLink& link, CliContext& context) {
    const DiscoveryOutcome outcome = DiscoverDevice(*m_bus, link);
    if (outcome == DiscoveryOutcome::Found) return true;
    context.err << "ravixctl: " << DescribeOutcome(outcome) << '\n';
    return false;
}

void DeviceSession::PrintLog(std::ostream& stream) const {
    for (const std::string& line : m_log->Lines()) stream << line << '\n';
}

}  // namespace ravix
