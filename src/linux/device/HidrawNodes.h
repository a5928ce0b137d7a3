#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/device/HidBus.h"

namespace ravix::linux_hid {

// Where the kernel shows hidraw devices: their sysfs entries and their device nodes. Tests point
// both at a tree of their own.
struct HidrawLocations {
    std::filesystem::path sysfsClass = "/sys/class/hidraw";
    std::filesystem::path devDir = "/dev";
};

// The hidraw nodes present ("hidraw0", "hidraw1", ...), in the order of their numbers.
std::vector<std::string> ListHidrawNodes(const HidrawLocations& locations);

bool IsHidrawNodeName(const std::string& name);

// Vendor and product from the HID_ID line of the node's device uevent; nothing when unreadable.
std::optional<HidAttributes> ReadNodeAttributes(const HidrawLocations& locations, const std::string& node);

// The report descriptor sysfs keeps for the node; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadSysfsDescriptor(const HidrawLocations& locations,
                                                             const std::string& node);

// An interface on a hidraw node: the node, and which of its top-level collections when it carries
// several. Its path is the device node's, with "#N" (N from 1) for a collection of such a node.
struct InterfaceAddress {
    std::string node;
    std::size_t collection = 0;  // 0: the node's only collection

    bool operator==(const InterfaceAddress&) const = default;
};

std::wstring InterfacePath(const HidrawLocations& locations, const InterfaceAddress& address);
std::optional<InterfaceAddress> ParseInterfacePath(const HidrawLocations& locations, const std::wstring& path);
std::string DeviceNodePath(const HidrawLocations& locations, const std::string& node);

}  // namespace ravix::linux_hid
