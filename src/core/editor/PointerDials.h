#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/editor/ClientGeometry.h"

namespace ravix {

// The Cursor System Speed and Double Click Speed pages: a half-circle dial centred on the body,
// cut into ten 18-degree sectors, position 2 at the left ("Slow") to 11 at the right ("Fast").
// Both pages use the same pictures and geometry.
ClientRect SpeedDialRect(ClientPoint body, int bodyWidth);
ClientRect SlowCaptionRect(const ClientRect& dial);
ClientRect FastCaptionRect(const ClientRect& dial);

// The position a press on the dial's ring (43..71 pixels from the centre, not below it) gives. A
// press on the centre line to the right is taken as the last sector.
std::optional<int> SpeedDialPositionAt(const ClientRect& dial, ClientPoint press);

// Stores the position a press gives; true when it changed.
bool PressSpeedDial(std::uint8_t& stored, const ClientRect& dial, ClientPoint press);

// "/MouseAttribute/Speed/%d.png" for a position, the nearest valid one (1..11) for a foreign value.
std::wstring SpeedDialImageName(std::uint8_t position);

}  // namespace ravix
