#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/app/TextCatalogue.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceMemoryLayout.h"
#include "core/platform/Clock.h"

namespace ravix {

// A balloon notice at the notification-area icon.
struct Notice {
    std::wstring text;
    std::wstring title;
    std::uint32_t timeoutMs = 0;

    bool operator==(const Notice&) const = default;
};

inline constexpr std::uint32_t kEventNoticeMs = 5000;       // the mouse's own events
inline constexpr std::uint32_t kConnectionNoticeMs = 100;   // detected / not detected

inline constexpr std::uint32_t kDpiPerLevelUnit = 50;

// The main window's answer to an event (code, value) from the listener or the device link. A DPI
// stage change (codes 1 to 3, stage 1 to 6) first reads the mouse's current profile into header
// byte 0 of `deviceImage` and that profile's block into its place in `deviceImage`, then names the
// stage with its DPI value. Returns the notice to show; nothing for events without one.
std::optional<Notice> HandleDeviceEvent(const TextCatalogue& texts, std::uint32_t code, std::uint32_t value,
                                        DeviceLink& link, Clock& clock,
                                        std::span<std::uint8_t, kDeviceImageSize> deviceImage);

}  // namespace ravix
