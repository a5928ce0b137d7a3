#pragma once

#include <memory>

#include "cli/CliCommand.h"
#include "core/device/DeviceLink.h"
#include "core/device/TransferTrace.h"
#include "sim/SimulatedMouse.h"

namespace ravix {

// The bus a command talks to (the simulated mouse's or the platform's), a clock that logs its
// pauses, and the transfer log they write into.
class DeviceSession {
public:
    // Nothing, after a message on err, when the platform has no HID bus.
    static std::unique_ptr<DeviceSession> Open(bool simulate, CliContext& context);

    HidBus& Bus() { return *bus_; }
    Clock& TracedClock() { return *clock_; }
    const TransferLog& Log() const { return *log_; }
    SimulatedMouse* Mouse() { return mouse_.get(); }  // only with --simulate

    // Discovery on the session's bus into `link`; false, after saying why on err, when the
    // mouse's command interface was not found and opened.
    bool Connect(DeviceLink& link, CliContext& context);

    void PrintLog(std::ostream& stream) const;

private:
    DeviceSession() = default;

    std::unique_ptr<SimulatedMouse> mouse_;
    std::unique_ptr<HidBus> ownedBus_;
    std::unique_ptr<TracingHidBus> tracingBus_;
    TransferLog ownLog_;
    TransferLog* log_ = &ownLog_;
    HidBus* bus_ = nullptr;
    std::unique_ptr<TracingClock> clock_;
};

}  // namespace ravix
