#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace ravix {

// Event codes: the mouse changed its DPI stage (1, 2 or 3; the value is the new stage), or it
// switched to a macro key (9; the value is the key).
inline constexpr std::uint8_t kFirstDpiStageEvent = 1;
inline constexpr std::uint8_t kLastDpiStageEvent = 3;
inline constexpr std::uint8_t kMacroKeyEvent = 9;

// An event the mouse reports on its event interface: 06 07 code value.
struct DeviceEvent {
    std::uint8_t code = 0;
    std::uint8_t value = 0;
};

// The event in an input report, or nothing for any other report (too short, or not 06 07).
std::optional<DeviceEvent> ParseEventReport(std::span<const std::uint8_t> report);

}  // namespace ravix
