#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/device/HidBus.h"
#include "linux/device/HidrawChannels.h"
#include "linux/device/HidrawIo.h"
#include "linux/device/HidrawNodes.h"
#include "linux/device/ReportDescriptor.h"

namespace ravix::linux_hid {

// The HID bus of a Linux machine, over hidraw. Every top-level collection of a node is listed as
// an interface of its own, as Windows lists them, so that discovery applies the same rules; the
// usages and report lengths come from the node's report descriptor. What goes wrong is told to
// `diagnostics` with the node and the system's words for it.
class LinuxHidBus final : public HidBus {
public:
    LinuxHidBus(std::unique_ptr<HidrawIo> io, HidrawLocations locations = {}, Diagnostics diagnostics = {});

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override;
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override;
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override;
    std::unique_ptr<DeviceWatch> WatchChanges() override;

    // The node's report descriptor, from sysfs or else from the node itself; nothing (after a
    // diagnostic) when neither gives a usable one.
    std::optional<ReportDescriptor> Describe(const std::string& node);

    const HidrawLocations& Locations() const { return m_locations; }

private:
    std::optional<std::vector<std::uint8_t>> ReadDescriptorFromNode(const std::string& node);
    std::optional<ReportSelection> SelectionOf(const InterfaceAddress& address);
    std::unique_ptr<HidrawFd> OpenNode(const InterfaceAddress& address, int flags, std::string_view purpose);
    void Tell(const std::string& text) const;

    std::unique_ptr<HidrawIo> m_ioOwner;
    HidrawIo& m_io;
    HidrawLocations m_locations;
    Diagnostics m_diagnostics;
};

// The collection an address names: its own, or the node's first when the address names none.
const TopLevelCollection* CollectionAt(const ReportDescriptor& descriptor, const InterfaceAddress& address);

}  // namespace ravix::linux_hid
