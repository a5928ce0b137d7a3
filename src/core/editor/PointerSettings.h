#pragma once

#include <cstdint>

#include "core/platform/Notifier.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The operating system's pointer settings that travel with each profile. Each call reports
// whether the system accepted the value; the change is broadcast to running programs.
class PointerSettings {
public:
    // Wheel scroll amount meaning one screen per notch instead of a number of lines.
    static constexpr std::uint32_t kWheelScrollPage = 0xFFFFFFFF;

    virtual ~PointerSettings() = default;
    // The two acceleration thresholds and the acceleration (enhance pointer precision).
    virtual bool SetMouse(int threshold1, int threshold2, int acceleration) = 0;
    // 1..20.
    virtual bool SetMouseSpeed(int speed) = 0;
    virtual bool SetWheelScrollLines(std::uint32_t lines) = 0;
    // Also stored in the user's settings, unlike the three above.
    virtual bool SetDoubleClickTime(std::uint32_t milliseconds) = 0;
};

// The values the profile's positions stand for. Positions outside what the dials and the lines
// box produce (a damaged file) are brought to the nearest valid one, so that the system is never
// handed a speed beyond 1..20, a double-click time outside 200..900 ms or zero wheel lines.
int PointerSpeedFor(std::uint8_t position);
std::uint32_t WheelScrollAmountFor(const ProfileSettings& settings);
std::uint32_t DoubleClickTimeFor(std::uint8_t position);

// Applies the four settings in a fixed order; each refusal shows its own warning and the rest
// are still applied.
void ApplyPointerSettings(const ProfileSettings& settings, PointerSettings& pointer, Notifier& notifier);

}  // namespace ravix
