#pragma once

#include <cstdint>
#include <optional>

#include "core/editor/ClientGeometry.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The USB Report Rate page: a 128-pixel dial centred on the body, whose ring is cut into four
// quadrants, one per rate. The dial's picture comes from ReportRateImageName (SkinPaths.h); a code
// that has no picture shows the dial without a chosen quadrant.
ClientRect ReportRateDialRect(ClientPoint body, int bodyWidth);

// The code a press on the dial's ring chooses: 1 (1000 Hz) upper right, 8 (125 Hz) upper left,
// 4 (250 Hz) lower left, 2 (500 Hz) lower right. Presses off the ring (35..64 pixels from the
// centre) or exactly on an axis choose nothing.
std::optional<std::uint8_t> ReportRateCodeAt(const ClientRect& dial, ClientPoint press);

// Stores the code a press chooses; true when the stored code changed. A foreign code is kept until
// the user chooses a quadrant.
bool PressReportRate(ProfileSettings& settings, const ClientRect& dial, ClientPoint press);

}  // namespace ravix
