#include "cli/DeviceSession.h"

#include "core/device/Discovery.h"
#include "core/device/DiscoveryText.h"
#include "sim/SimulatedBus.h"

namespace ravix {

std::unique_ptr<DeviceSession> DeviceSession::Open(bool simulate, CliContext& context) {
    std::unique_ptr<DeviceSession> session(new DeviceSession);
    if (simulate) {
        session->mouse_ = std::make_unique<SimulatedMouse>();
        session->ownedBus_ = std::make_unique<SimulatedBus>(*session->mouse_);
        session->log_ = &session->mouse_->Log();
        session->bus_ = session->ownedBus_.get();
        if (context.simulatedMouseReady) context.simulatedMouseReady(*session->mouse_);
    } else {
        if (context.openSystemBus) session->ownedBus_ = context.openSystemBus();
        if (!session->ownedBus_) {
            context.err << "ravixctl: no HID bus is available on this platform yet; "
                           "use --simulate to talk to the simulated mouse\n";
            return nullptr;
        }
        session->tracingBus_ = std::make_unique<TracingHidBus>(*session->ownedBus_, session->ownLog_);
        session->bus_ = session->tracingBus_.get();
    }
    session->clock_ = std::make_unique<TracingClock>(context.clock, *session->log_);
    return session;
}

bool DeviceSession::Connect(DeviceLink& link, CliContext& context) {
    const DiscoveryOutcome outcome = DiscoverDevice(*bus_, link);
    if (outcome == DiscoveryOutcome::Found) return true;
    context.err << "ravixctl: " << DescribeOutcome(outcome) << '\n';
    return false;
}

void DeviceSession::PrintLog(std::ostream& stream) const {
    for (const std::string& line : log_->Lines()) stream << line << '\n';
}

}  // namespace ravix
