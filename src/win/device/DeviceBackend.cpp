#include "win/device/DeviceBackend.h"

#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/device/WinHidBus.h"

namespace ravix::win {

DeviceBackend::DeviceBackend(const ProgramSwitches& switches) {
    if (switches.simulate) {
        mouse_ = std::make_unique<SimulatedMouse>();
        auto simulated = std::make_unique<SimulatedBus>(*mouse_);
        simulatedBus_ = simulated.get();
        platformBus_ = std::move(simulated);
    } else {
        platformBus_ = std::make_unique<WinHidBus>();
    }
    bus_ = platformBus_.get();

    if (switches.traceFile) {
        traceFile_ = std::make_unique<FileTransferSink>(*switches.traceFile);
        tracingBus_ = std::make_unique<TracingHidBus>(*platformBus_, *traceFile_);
        tracingClock_ = std::make_unique<TracingClock>(systemClock_, *traceFile_);
        bus_ = tracingBus_.get();
        clock_ = tracingClock_.get();
    }
}

DeviceBackend::~DeviceBackend() = default;

}  // namespace ravix::win
