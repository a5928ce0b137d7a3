#pragma once

#include <cstdint>

#include "core/platform/Notifier.h"
#include "core/platform/PointerSettings.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The positions of the pointer-speed and double-click dials; 1 only comes from files, the dials
// start at 2.
inline constexpr int kLowestDialPosition = 1;
inline constexpr int kHighestDialPosition = 11;
inline constexpr int kMostWheelScrollLines = 100;

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
