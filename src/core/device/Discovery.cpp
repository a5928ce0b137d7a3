#include "core/device/Discovery.h"

namespace ravix {
namespace {

constexpr std::uint16_t kEventUsagePage = 0xFF01;
constexpr std::uint16_t kEventUsage = 0x0001;
constexpr std::uint16_t kCommandUsagePage = 0xFF00;
constexpr std::uint16_t kCommandUsage = 0xFF00;
constexpr std::uint16_t kCommandFeatureReportLength = 9;

void Report(const DiscoveryObserver& observer, const ExaminedInterface& examined) {
    if (observer) observer(examined);
}

// Examines one listed interface. Returns an outcome when the search ends here, nothing to go on.
std::optional<DiscoveryOutcome> Examine(HidBus& bus, DeviceLink& link, const std::wstring& path,
                                        const DiscoveryObserver& observer) {
    ExaminedInterface examined{path, std::nullopt, std::nullopt, InterfaceRole::OtherDevice};
    link.devicePath = path;
    std::unique_ptr<HidProbe> probe = bus.OpenProbe(path);
    if (!probe) return DiscoveryOutcome::ProbeFailed;
    examined.attributes = probe->Attributes();
    if (!examined.attributes || !IsMouse(*examined.attributes)) {
        Report(observer, examined);
        return std::nullopt;
    }
    examined.caps = probe->Capabilities();
    probe.reset();
    if (!examined.caps) return DiscoveryOutcome::CapabilitiesUnreadable;
    examined.role = ClassifyInterface(*examined.attributes, *examined.caps);
    Report(observer, examined);

    if (examined.role == InterfaceRole::EventInterface) {
        std::unique_ptr<EventChannel> event = bus.OpenEventChannel(path);
        if (!event) return DiscoveryOutcome::EventOpenFailed;
        link.eventHandle = std::move(event);
        link.eventInputReportLength = examined.caps->inputReportLength;
        return std::nullopt;
    }
    if (examined.role == InterfaceRole::CommandInterface) {
        std::unique_ptr<CommandChannel> command = bus.OpenCommandChannel(path);
        if (!command) return DiscoveryOutcome::CommandOpenFailed;
        link.commandHandle = std::move(command);
        link.commandOutputReportLength = examined.caps->outputReportLength;
        link.commandInputReportLength = examined.caps->inputReportLength;
        link.featureReportLength = examined.caps->featureReportLength;
        link.connected = true;
        return DiscoveryOutcome::Found;
    }
    return std::nullopt;
}

}  // namespace

bool IsMouse(const HidAttributes& attributes) {
    return attributes.vendorId == kMouseVendorId && attributes.productId == kMouseProductId;
}

InterfaceRole ClassifyInterface(const HidAttributes& attributes, const HidCaps& caps) {
    if (!IsMouse(attributes)) return InterfaceRole::OtherDevice;
    if (caps.usage == kEventUsage && caps.usagePage == kEventUsagePage && caps.inputReportLength != 0)
        return InterfaceRole::EventInterface;
    if (caps.usage == kCommandUsage && caps.usagePage == kCommandUsagePage &&
        caps.featureReportLength == kCommandFeatureReportLength)
        return InterfaceRole::CommandInterface;
    return InterfaceRole::OtherCollection;
}

DiscoveryOutcome DiscoverDevice(HidBus& bus, DeviceLink& link, const DiscoveryObserver& observer) {
    std::unique_ptr<HidInterfaceSet> interfaces = bus.PresentInterfaces();
    if (!interfaces) return DiscoveryOutcome::NoInterfaceSet;
    // The command interface of an earlier search is replaced by this one's, or is gone with the
    // mouse; keeping it open would leak it.
    link.commandHandle.reset();
    for (std::uint32_t index = 0;; ++index) {
        const ListedInterface listed = interfaces->Interface(index);
        if (listed.status == ListedInterface::Status::EndOfList) return DiscoveryOutcome::NotFound;
        if (listed.status == ListedInterface::Status::Unreadable)
            return DiscoveryOutcome::InterfaceUnreadable;
        if (auto outcome = Examine(bus, link, listed.path, observer)) return *outcome;
    }
}

bool Discover(HidBus& bus, DeviceLink& link) {
    return DiscoverDevice(bus, link) == DiscoveryOutcome::Found;
}

bool OpenEventInterface(HidBus& bus, DeviceLink& link) {
    std::unique_ptr<HidInterfaceSet> interfaces = bus.PresentInterfaces();
    if (!interfaces) return false;
    for (std::uint32_t index = 0;; ++index) {
        const ListedInterface listed = interfaces->Interface(index);
        if (listed.status == ListedInterface::Status::EndOfList) return false;
        if (listed.status == ListedInterface::Status::Unreadable) continue;
        std::unique_ptr<HidProbe> probe = bus.OpenProbe(listed.path);
        const auto attributes = probe ? probe->Attributes() : std::nullopt;
        const auto caps = attributes && IsMouse(*attributes) ? probe->Capabilities() : std::nullopt;
        if (!caps || ClassifyInterface(*attributes, *caps) != InterfaceRole::EventInterface) continue;
        probe.reset();
        link.eventHandle = bus.OpenEventChannel(listed.path);
        if (!link.eventHandle) return false;
        link.eventInputReportLength = caps->inputReportLength;
        return true;
    }
}

}  // namespace ravix
