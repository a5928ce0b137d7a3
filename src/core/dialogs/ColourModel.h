#pragma once

#include <cstdint>
#include <optional>

namespace ravix {

// A colour as Windows keeps it (COLORREF): red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// Channels as fractions 0 to 1.
struct RgbFractions {
    double red = 0, green = 0, blue = 0;
};

// Hue in degrees 0 to 360, saturation and value as fractions 0 to 1.
struct Hsv {
    double hue = 0, saturation = 0, value = 0;
};

// None for a saturation above 1, a value outside 0 to 1 or a hue outside 0 to 360.
std::optional<RgbFractions> HsvToRgb(Hsv hsv);

// None when a channel lies outside 0 to 1. Grey and black have hue and saturation 0.
std::optional<Hsv> RgbToHsv(RgbFractions rgb);

// A fraction as an 8-bit channel: the nearest integer, halves rounding down.
int ChannelFromFraction(double fraction);
Colour ColourFromFractions(RgbFractions rgb);

// The picker's colour models. The plane varies two components while the third, the fixed one, is
// held; the strip sets the fixed one. Red, green and blue run 0 to 255, hue in tenths of a degree
// 0 to 3599, saturation and value in thousandths 0 to 1000.
enum class ColourMode { RedFixed, GreenFixed, BlueFixed, HueFixed, SaturationFixed, ValueFixed };
inline constexpr int kColourModeCount = 6;

// The largest value of each component in a mode: the fixed one, the plane's x and its y.
struct ModeRanges {
    int fixed = 255, x = 255, y = 255;
};
ModeRanges RangesOf(ColourMode mode);

// A point of the colour space in a mode's terms.
struct PlanePosition {
    int fixed = 0, x = 0, y = 0;
    bool operator==(const PlanePosition&) const = default;
};

// The colour a position selects. Components outside their ranges are clamped into them.
Colour PlaneColour(ColourMode mode, PlanePosition position);

// The position of a colour. A hue that rounds up to a full circle is hue 0, the same colour.
PlanePosition PositionOfColour(ColourMode mode, Colour colour);

}  // namespace ravix
