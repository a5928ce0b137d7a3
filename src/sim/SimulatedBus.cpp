#include "sim/SimulatedBus.h"

#include <algorithm>

#include "core/device/Discovery.h"
#include "core/device/TransferTrace.h"

namespace ravix {
namespace {

constexpr std::uint16_t kDeviceVersion = 0x0100;

class SimulatedInterfaceSet final : public HidInterfaceSet {
public:
    explicit SimulatedInterfaceSet(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}

    ListedInterface Interface(std::uint32_t index) override {
        if (index >= paths_.size()) return {ListedInterface::Status::EndOfList, {}};
        return {ListedInterface::Status::Present, paths_[index]};
    }

private:
    std::vector<std::wstring> paths_;
};

class SimulatedProbe final : public HidProbe {
public:
    explicit SimulatedProbe(HidCaps caps) : caps_(caps) {}

    std::optional<HidAttributes> Attributes() override {
        return HidAttributes{kMouseVendorId, kMouseProductId, kDeviceVersion};
    }
    std::optional<HidCaps> Capabilities() override { return caps_; }

private:
    HidCaps caps_;
};

class SimulatedCommandChannel final : public CommandChannel {
public:
    SimulatedCommandChannel(SimulatedMouse& mouse, const SimulatedBus& bus, std::uint32_t generation)
        : mouse_(mouse), bus_(bus), generation_(generation) {}

    bool SetFeature(std::span<const std::uint8_t> report) override {
        return bus_.Reaches(generation_) && mouse_.ReceiveFeature(report);
    }
    bool GetFeature(std::span<std::uint8_t> report) override {
        return bus_.Reaches(generation_) && mouse_.AnswerFeature(report);
    }
    bool WriteReport(std::span<const std::uint8_t> report) override {
        return bus_.Reaches(generation_) && mouse_.ReceiveOutputReport(report);
    }
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t) override {
        if (!bus_.Reaches(generation_)) return std::nullopt;
        return mouse_.SendInputReport(report);
    }

private:
    SimulatedMouse& mouse_;
    const SimulatedBus& bus_;
    std::uint32_t generation_;
};

class SimulatedEventChannel final : public EventChannel {
public:
    SimulatedEventChannel(SimulatedMouse& mouse, const SimulatedBus& bus, std::uint32_t generation)
        : mouse_(mouse), bus_(bus), generation_(generation) {}

    // Waits like a read on the real interface: until the mouse reports an event, the mouse is
    // unplugged, or the read is cancelled.
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        return mouse_.WaitForEventReport(report, timeoutMs, [this] { return cancelled_ || !bus_.Reaches(generation_); });
    }

    void Cancel() override {
        cancelled_ = true;
        mouse_.WakeEventReaders();
    }
    void AllowReads() override { cancelled_ = false; }

private:
    SimulatedMouse& mouse_;
    const SimulatedBus& bus_;
    std::uint32_t generation_;
    std::atomic<bool> cancelled_ = false;
};

}  // namespace

SimulatedBus::SimulatedBus(SimulatedMouse& mouse) : mouse_(mouse) {}

void SimulatedBus::Plug() {
    if (plugged_) return;
    plugged_ = true;
    ++generation_;
}

void SimulatedBus::Unplug() {
    plugged_ = false;
    mouse_.WakeEventReaders();  // a read waiting on the mouse fails, as on a real unplug
}

std::wstring SimulatedBus::PathOf(SimulatedInterface which) {
    const wchar_t* collection = which == SimulatedInterface::Pointer ? L"Col01"
                                : which == SimulatedInterface::Event ? L"Col02"
                                                                     : L"Col03";
    return std::wstring(L"\\\\?\\HID#VID_04D9&PID_A0F4&") + collection +
           L"#7&1f2e3d4c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

HidCaps SimulatedBus::CapsOf(SimulatedInterface which) {
    switch (which) {
        case SimulatedInterface::Pointer:
            return HidCaps{0x0002, 0x0001, 5, 0, 0};
        case SimulatedInterface::Event:
            return HidCaps{0x0001, 0xFF01, static_cast<std::uint16_t>(kSimEventReportLength), 0, 0};
        case SimulatedInterface::Command:
            break;
    }
    return HidCaps{0xFF00, 0xFF00, static_cast<std::uint16_t>(kSimCommandReportLength),
                   static_cast<std::uint16_t>(kSimCommandReportLength),
                   static_cast<std::uint16_t>(kSimFeatureReportLength)};
}

std::unique_ptr<HidInterfaceSet> SimulatedBus::PresentInterfaces() {
    std::vector<std::wstring> paths;
    if (plugged_)
        for (SimulatedInterface which : order_) paths.push_back(PathOf(which));
    return std::make_unique<SimulatedInterfaceSet>(std::move(paths));
}

std::optional<SimulatedInterface> SimulatedBus::Find(const std::wstring& path) const {
    if (!plugged_) return std::nullopt;
    for (SimulatedInterface which : order_)
        if (PathOf(which) == path) return which;
    return std::nullopt;
}

std::unique_ptr<HidProbe> SimulatedBus::OpenProbe(const std::wstring& path) {
    const auto which = Find(path);
    if (!which) return nullptr;
    return std::make_unique<SimulatedProbe>(CapsOf(*which));
}

std::unique_ptr<CommandChannel> SimulatedBus::OpenCommandChannel(const std::wstring& path) {
    if (Find(path) != SimulatedInterface::Command) return nullptr;
    return std::make_unique<TracingCommandChannel>(
        std::make_unique<SimulatedCommandChannel>(mouse_, *this, generation_), mouse_.Log());
}

std::unique_ptr<EventChannel> SimulatedBus::OpenEventChannel(const std::wstring& path) {
    if (Find(path) != SimulatedInterface::Event) return nullptr;
    return std::make_unique<SimulatedEventChannel>(mouse_, *this, generation_);
}

}  // namespace ravix
