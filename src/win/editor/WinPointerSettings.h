#pragma once

#include "core/platform/PointerSettings.h"

namespace ravix::win {

// The operating system's pointer settings through SystemParametersInfoW. Every change is
// broadcast to running programs; only the double-click time is also stored in the user's profile.
class WinPointerSettings final : public PointerSettings {
public:
    bool SetMouse(int threshold1, int threshold2, int acceleration) override;
    bool SetMouseSpeed(int speed) override;
    bool SetWheelScrollLines(std::uint32_t lines) override;
    bool SetDoubleClickTime(std::uint32_t milliseconds) override;
};

}  // namespace ravix::win
