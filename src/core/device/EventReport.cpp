#include "core/device/EventReport.h"

namespace ravix {

std::optional<DeviceEvent> ParseEventReport(std::span<const std::uint8_t> report) {
    if (report.size() < 4 || report[0] != 6 || report[1] != 7) return std::nullopt;
    return DeviceEvent{report[2], report[3]};
}

}  // namespace ravix
