#pragma once

#include <cstdint>

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

}  // namespace ravix
