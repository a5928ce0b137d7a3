#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ravix::linux_hid {

// The largest report descriptor the kernel hands out.
inline constexpr std::size_t kMaxReportDescriptorSize = 4096;

// One top-level collection of a report descriptor, with what discovery asks of an interface: its
// usage and the longest report of each kind, counted as Windows counts them (with the report
// identifier byte, even when the device numbers no reports; 0 when the collection has none).
struct TopLevelCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
    std::vector<std::uint8_t> inputReportIds;  // the numbered input reports that belong to it

    bool operator==(const TopLevelCollection&) const = default;
};

struct ReportDescriptor {
    std::vector<TopLevelCollection> collections;
    bool numberedReports = false;  // reports carry their identifier as their first byte
};

// Parses a report descriptor. Nothing, with the reason in `error` when given, for a descriptor
// that is truncated, unbalanced or otherwise unusable; it never reads past `bytes`.
std::optional<ReportDescriptor> ParseReportDescriptor(std::span<const std::uint8_t> bytes,
                                                      std::string* error = nullptr);

}  // namespace ravix::linux_hid
