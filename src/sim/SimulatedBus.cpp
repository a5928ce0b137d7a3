#include "sim/SimulatedBus.h"

#include <algorithm>

#include "core/device/Discovery.h"
#include "core/device/TransferTrace.h"

namespace ravix {
namespace {

constexpr std::uint16_t kDeviceVersion = 0x0100;

class SimulatedInterfaceSet final : public HidInterfaceSet {
public:
    explicit SimulatedInterfaceSet(std::vector<std::wstring> paths) : m_paths(std::move(paths)) {}

    ListedInterface Interface(std::uint32_t index) override {
        if (index >= m_paths.size()) return {ListedInterface::Status::EndOfList, {}};
        return {ListedInterface::Status::Present, m_paths[index]};
    }

private:
    std::vector<std::wstring> m_paths;
};

class SimulatedProbe final : public HidProbe {
public:
    explicit SimulatedProbe(HidCaps caps) : m_caps(caps) {}

    std::optional<HidAttributes> Attributes() override {
        return HidAttributes{kMouseVendorId, kMouseProductId, kDeviceVersion};
    }
    std::optional<HidCaps> Capabilities() override { return m_caps; }

private:
    HidCaps m_caps;
};

class SimulatedCommandChannel final : public CommandChannel {
public:
    SimulatedCommandChannel(SimulatedMouse& mouse, const SimulatedBus& bus, std::uint32_t generation)
        : m_mouse(mouse), m_bus(bus), m_generation(generation) {}

    bool SetFeature(std::span<const std::uint8_t> report) override {
        return m_bus.Reaches(m_generation) && m_mouse.ReceiveFeature(report);
    }
    bool GetFeature(std::span<std::uint8_t> report) override {
        return m_bus.Reaches(m_generation) && m_mouse.AnswerFeature(report);
    }
    bool WriteReport(std::span<const std::uint8_t> report) override {
        return m_bus.Reaches(m_generation) && m_mouse.ReceiveOutputReport(report);
    }
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t) override {
        if (!m_bus.Reaches(m_generation)) return std::nullopt;
        return m_mouse.SendInputReport(report);
    }

private:
    SimulatedMouse& m_mouse;
    const SimulatedBus& m_bus;
    std::uint32_t m_generation;
};

class SimulatedEventChannel final : public EventChannel {
public:
    SimulatedEventChannel(SimulatedMouse& mouse, const SimulatedBus& bus, std::uint32_t generation)
        : m_mouse(mouse), m_bus(bus), m_generation(generation) {}

    // Waits like a read on the real interface: until the mouse reports an event, the mouse is
    // unplugged, or the read is cancelled.
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        return m_mouse.WaitForEventReport(report, timeoutMs, [this] { return m_cancelled || !m_bus.Reaches(m_generation); });
    }

    void Cancel() override {
        m_cancelled = true;
        m_mouse.WakeEventReaders();
    }
    void AllowReads() override { m_cancelled = false; }

private:
    SimulatedMouse& m_mouse;
    const SimulatedBus& m_bus;
    std::uint32_t m_generation;
    std::atomic<bool> m_cancelled = false;
};

}  // namespace

SimulatedBus::SimulatedBus(SimulatedMouse& mouse) : m_mouse(mouse) {}

void SimulatedBus::Plug() {
    if (m_plugged) return;
    m_plugged = true;
    ++m_generation;
}

void SimulatedBus::Unplug() {
    m_plugged = false;
    m_mouse.WakeEventReaders();  // a read waiting on the mouse fails, as on a real unplug
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
    if (m_plugged)
        for (SimulatedInterface which : m_order) paths.push_back(PathOf(which));
    return std::make_unique<SimulatedInterfaceSet>(std::move(paths));
}

std::optional<SimulatedInterface> SimulatedBus::Find(const std::wstring& path) const {
    if (!m_plugged) return std::nullopt;
    for (SimulatedInterface which : m_order)
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
        std::make_unique<SimulatedCommandChannel>(m_mouse, *this, m_generation), m_mouse.Log());
}

std::unique_ptr<EventChannel> SimulatedBus::OpenEventChannel(const std::wstring& path) {
    if (Find(path) != SimulatedInterface::Event) return nullptr;
    return std::make_unique<SimulatedEventChannel>(m_mouse, *this, m_generation);
}

}  // namespace ravix
