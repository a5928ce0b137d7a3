#pragma once

#include <memory>

#include "core/app/ProgramSwitches.h"
#include "core/device/HidBus.h"
#include "core/device/TransferTrace.h"
#include "win/device/FileTransferSink.h"
#include "win/device/WinClock.h"

namespace ravix {
class SimulatedMouse;
class SimulatedBus;
}  // namespace ravix

namespace ravix::win {

// The bus and clock the program's device link talks through, chosen by the program's switches:
// the machine's HID bus, or with --simulate a simulated mouse that exists only then. With
// --trace=FILE every transfer and pause is appended to FILE as well.
class DeviceBackend {
public:
    explicit DeviceBackend(const ProgramSwitches& switches);
    ~DeviceBackend();
    DeviceBackend(const DeviceBackend&) = delete;
    DeviceBackend& operator=(const DeviceBackend&) = delete;

    HidBus& Bus() { return *bus_; }
    Clock& DeviceClock() { return *clock_; }

    // Only with --simulate.
    SimulatedMouse* Mouse() { return mouse_.get(); }
    SimulatedBus* MouseBus() { return simulatedBus_; }

private:
    WinClock systemClock_;
    std::unique_ptr<SimulatedMouse> mouse_;
    SimulatedBus* simulatedBus_ = nullptr;
    std::unique_ptr<HidBus> platformBus_;
    std::unique_ptr<FileTransferSink> traceFile_;
    std::unique_ptr<TracingHidBus> tracingBus_;
    std::unique_ptr<TracingClock> tracingClock_;
    HidBus* bus_ = nullptr;
    Clock* clock_ = &systemClock_;
};

}  // namespace ravix::win
