#include "linux/device/HidrawNodes.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/platform/TextCodecs.h"
#include "linux/device/ReportDescriptor.h"

namespace ravix::linux_hid {
namespace {

constexpr std::string_view kNodePrefix = "hidraw";

unsigned long NodeNumber(const std::string& name) {
    return std::stoul(name.substr(kNodePrefix.size()));
}

bool AllDigits(std::string_view text) {
    return !text.empty() && text.size() <= 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool IsHidrawNodeName(const std::string& name) {
    return name.starts_with(kNodePrefix) && AllDigits(std::string_view(name).substr(kNodePrefix.size()));
}

std::vector<std::string> ListHidrawNodes(const HidrawLocations& locations) {
    std::vector<std::string> nodes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(locations.sysfsClass, error)) {
        std::string name = entry.path().filename().string();
        if (IsHidrawNodeName(name)) nodes.push_back(std::move(name));
    }
    std::sort(nodes.begin(), nodes.end(),
              [](const std::string& a, const std::string& b) { return NodeNumber(a) < NodeNumber(b); });
    return nodes;
}

std::optional<HidAttributes> ReadNodeAttributes(const HidrawLocations& locations, const std::string& node) {
    std::ifstream uevent(locations.sysfsClass / node / "device" / "uevent");
    for (std::string line; std::getline(uevent, line);) {
        if (!line.starts_with("HID_ID=")) continue;
        unsigned bus = 0, vendor = 0, product = 0;
        if (std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vendor, &product) != 3) return std::nullopt;
        return HidAttributes{static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product), 0};
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ReadSysfsDescriptor(const HidrawLocations& locations,
                                                             const std::string& node) {
    std::ifstream file(locations.sysfsClass / node / "device" / "report_descriptor", std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char chunk[512];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + file.gcount());
        if (bytes.size() > kMaxReportDescriptorSize) break;  // the parser refuses it
    }
    if (file.bad()) return std::nullopt;
    return bytes;
}

std::string DeviceNodePath(const HidrawLocations& locations, const std::string& node) {
    return (locations.devDir / node).string();
}

std::wstring InterfacePath(const HidrawLocations& locations, const InterfaceAddress& address) {
    std::string path = DeviceNodePath(locations, address.node);
    if (address.collection != 0) path += "#" + std::to_string(address.collection);
    return WideFromUtf8(path).value_or(L"");
}

std::optional<InterfaceAddress> ParseInterfacePath(const HidrawLocations& locations, const std::wstring& path) {
    std::string text = Utf8FromWide(path);
    InterfaceAddress address;
    if (const std::size_t hash = text.rfind('#'); hash != std::string::npos) {
        const std::string number = text.substr(hash + 1);
        if (!AllDigits(number) || number == "0") return std::nullopt;
        address.collection = std::stoul(number);
        text.resize(hash);
    }
    const std::filesystem::path nodePath(text);
    if (nodePath.parent_path() != locations.devDir) return std::nullopt;
    address.node = nodePath.filename().string();
    if (!IsHidrawNodeName(address.node)) return std::nullopt;
    return address;
}

}  // namespace ravix::linux_hid
