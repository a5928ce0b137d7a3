#include "linux/device/LinuxHidBus.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <system_error>

#include "core/device/Discovery.h"
#include "core/platform/TextCodecs.h"
#include "linux/device/HidrawWatch.h"

namespace ravix::linux_hid {
namespace {

class ListedInterfaces final : public HidInterfaceSet {
public:
    explicit ListedInterfaces(std::vector<std::wstring> paths) : m_paths(std::move(paths)) {}

    ListedInterface Interface(std::uint32_t index) override {
        if (index >= m_paths.size()) return {};
        return {ListedInterface::Status::Present, m_paths[index]};
    }

private:
    std::vector<std::wstring> m_paths;
};

class HidrawProbe final : public HidProbe {
public:
    HidrawProbe(LinuxHidBus& bus, InterfaceAddress address) : m_bus(bus), m_address(std::move(address)) {}

    std::optional<HidAttributes> Attributes() override { return ReadNodeAttributes(m_bus.Locations(), m_address.node); }

    std::optional<HidCaps> Capabilities() override {
        const auto descriptor = m_bus.Describe(m_address.node);
        if (!descriptor) return std::nullopt;
        const TopLevelCollection* collection = CollectionAt(*descriptor, m_address);
        if (!collection) return std::nullopt;
        return HidCaps{collection->usage, collection->usagePage, collection->inputReportLength,
                       collection->outputReportLength, collection->featureReportLength};
    }

private:
    LinuxHidBus& m_bus;
    InterfaceAddress m_address;
};

}  // namespace

const TopLevelCollection* CollectionAt(const ReportDescriptor& descriptor, const InterfaceAddress& address) {
    const std::size_t index = address.collection == 0 ? 0 : address.collection - 1;
    return index < descriptor.collections.size() ? &descriptor.collections[index] : nullptr;
}

LinuxHidBus::LinuxHidBus(std::unique_ptr<HidrawIo> io, HidrawLocations locations, Diagnostics diagnostics)
    : m_ioOwner(std::move(io)),
      m_io(*m_ioOwner), m_locations(std::move(locations)), m_diagnostics(std::move(diagnostics)) {}

void LinuxHidBus::Tell(const std::string& text) const {
    if (m_diagnostics) m_diagnostics(text);
}

std::unique_ptr<HidInterfaceSet> LinuxHidBus::PresentInterfaces() {
    std::error_code error;
    // A machine without the hidraw driver has no such folder, and no HID interface either.
    if (!std::filesystem::exists(m_locations.sysfsClass, error)) return std::make_unique<ListedInterfaces>(std::vector<std::wstring>{});
    std::filesystem::directory_iterator check(m_locations.sysfsClass, error);
    if (error) {
        Tell(DescribeFailure(m_locations.sysfsClass.string(), "cannot be listed", error.value()));
        return nullptr;
    }
    std::vector<std::wstring> paths;
    for (const std::string& node : ListHidrawNodes(m_locations)) {
        const auto attributes = ReadNodeAttributes(m_locations, node);
        // Only the mouse's nodes are looked into: each of its collections is an interface.
        const auto descriptor = attributes && IsMouse(*attributes) ? Describe(node) : std::nullopt;
        const std::size_t collections = descriptor ? descriptor->collections.size() : 1;
        if (collections == 1) paths.push_back(InterfacePath(m_locations, {node, 0}));
        for (std::size_t index = 1; collections > 1 && index <= collections; ++index)
            paths.push_back(InterfacePath(m_locations, {node, index}));
    }
    return std::make_unique<ListedInterfaces>(std::move(paths));
}

std::unique_ptr<HidProbe> LinuxHidBus::OpenProbe(const std::wstring& path) {
    const auto address = ParseInterfacePath(m_locations, path);
    if (!address) return nullptr;
    std::error_code error;
    if (!std::filesystem::exists(m_locations.sysfsClass / address->node, error)) {
        Tell(DeviceNodePath(m_locations, address->node) + ": no longer present");
        return nullptr;
    }
    return std::make_unique<HidrawProbe>(*this, *address);
}

std::optional<ReportDescriptor> LinuxHidBus::Describe(const std::string& node) {
    auto bytes = ReadSysfsDescriptor(m_locations, node);
    if (!bytes) bytes = ReadDescriptorFromNode(node);
    if (!bytes) return std::nullopt;
    std::string reason;
    auto descriptor = ParseReportDescriptor(*bytes, &reason);
    if (!descriptor) Tell(DeviceNodePath(m_locations, node) + ": report descriptor unusable: " + reason);
    return descriptor;
}

std::optional<std::vector<std::uint8_t>> LinuxHidBus::ReadDescriptorFromNode(const std::string& node) {
    const std::string path = DeviceNodePath(m_locations, node);
    const int fd = m_io.Open(path, O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        Tell(DescribeFailure(path, "report descriptor cannot be read", -fd));
        return std::nullopt;
    }
    const HidrawFd owner(m_io, fd);
    int size = 0;
    int result = m_io.Ioctl(fd, HIDIOCGRDESCSIZE, &size);
    if (result >= 0 && (size < 0 || size > HID_MAX_DESCRIPTOR_SIZE)) result = -EINVAL;
    auto descriptor = std::make_unique<hidraw_report_descriptor>();
    descriptor->size = static_cast<__u32>(size);
    if (result >= 0) result = m_io.Ioctl(fd, HIDIOCGRDESC, descriptor.get());
    if (result < 0) {
        Tell(DescribeFailure(path, "HIDIOCGRDESC", -result));
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(descriptor->value, descriptor->value + size);
}

std::optional<ReportSelection> LinuxHidBus::SelectionOf(const InterfaceAddress& address) {
    const auto descriptor = Describe(address.node);
    if (!descriptor) return std::nullopt;
    const TopLevelCollection* collection = CollectionAt(*descriptor, address);
    if (!collection) return std::nullopt;
    // One collection alone on its node gets every report the node reads.
    const bool shared = descriptor->collections.size() > 1;
    return ReportSelection{descriptor->numberedReports, shared ? collection->inputReportIds : std::vector<std::uint8_t>{}};
}

std::unique_ptr<HidrawFd> LinuxHidBus::OpenNode(const InterfaceAddress& address, int flags, std::string_view purpose) {
    const std::string path = DeviceNodePath(m_locations, address.node);
    const int fd = m_io.Open(path, flags | O_NONBLOCK);
    if (fd < 0) {
        Tell(DescribeFailure(path, purpose, -fd));
        return nullptr;
    }
    return std::make_unique<HidrawFd>(m_io, fd);
}

std::unique_ptr<CommandChannel> LinuxHidBus::OpenCommandChannel(const std::wstring& path) {
    const auto address = ParseInterfacePath(m_locations, path);
    if (!address) return nullptr;
    auto selection = SelectionOf(*address);
    if (!selection) return nullptr;
    auto fd = OpenNode(*address, O_RDWR, "cannot be opened for reading and writing");
    if (!fd) return nullptr;
    return std::make_unique<HidrawCommandChannel>(std::move(fd), DeviceNodePath(m_locations, address->node),
                                                  std::move(*selection), m_diagnostics);
}

std::unique_ptr<EventChannel> LinuxHidBus::OpenEventChannel(const std::wstring& path) {
    const auto address = ParseInterfacePath(m_locations, path);
    if (!address) return nullptr;
    auto selection = SelectionOf(*address);
    if (!selection) return nullptr;
    auto fd = OpenNode(*address, O_RDONLY, "cannot be opened for reading");
    if (!fd) return nullptr;
    return std::make_unique<HidrawEventChannel>(std::move(fd), std::move(*selection));
}

std::unique_ptr<DeviceWatch> LinuxHidBus::WatchChanges() {
    return OpenHidrawWatch(m_locations, m_diagnostics);
}

}  // namespace ravix::linux_hid
