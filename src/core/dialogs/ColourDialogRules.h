#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/dialogs/ColourModel.h"

namespace ravix {

// The LED colour dialog's own rules.

// Red, cyan, green, blue, yellow and magenta, for preset buttons 1 to 6.
inline constexpr std::array<Colour, 6> kPresetColours = {0x0000FF, 0xFFFF00, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};

// The control identifiers of the red, green and blue fields, which name the channel they edit.
inline constexpr int kRedFieldId = 401, kGreenFieldId = 402, kBlueFieldId = 403;

// The read-out: red, green and blue as two-digit upper-case hexadecimal numbers ("00FF80").
std::wstring HexReadout(Colour colour);

// The colour with the channel of field `fieldId` replaced by the low eight bits of `value`; any
// other identifier leaves it unchanged.
Colour WithChannel(Colour colour, unsigned value, int fieldId);

// A DPI stage keeps its colour as three bytes in the order red, blue, green.
Colour ColourOfStageBytes(const std::array<std::uint8_t, 3>& redBlueGreen);
std::array<std::uint8_t, 3> StageBytesOfColour(Colour colour);

}  // namespace ravix
