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

    HidBus& Bus() { return *m_bus; }
    Clock& TracedClock() { return *m_clock; }
    const TransferLog& Log() const { return *m_log; }
    SimulatedMouse* Mouse() { return m_mouse.get(); }  // only with --simulate

    // Discovery on the session's bus into `link`; false, after saying why on err, when the
    // mouse's command interface was not found and opened.
    bool Connect(DeviceLink& link, CliContext& context);

    void PrintLog(std::ostream& stream) const;

private:
    DeviceSession() = default;

    std::unique_ptr<SimulatedMouse> m_mouse;
    std::unique_ptr<HidBus> m_ownedBus;
    std::unique_ptr<TracingHidBus> m_tracingBus;
    TransferLog m_ownLog;
    TransferLog* m_log = &m_ownLog;
    HidBus* m_bus = nullptr;
    std::unique_ptr<TracingClock> m_clock;
};

}  // namespace ravix
