#include "core/dialogs/ColourModel.h"

#include <algorithm>
#include <cmath>

namespace ravix {
namespace {

bool IsFraction(double v) { return v >= 0.0 && v <= 1.0; }

constexpr int kHueSteps = 3600;     // tenths of a degree in a full circle
constexpr int kFractionSteps = 1000;

int CeilScaled(double fraction, int scale) { return static_cast<int>(std::ceil(fraction * scale)); }

}  // namespace

std::optional<RgbFractions> HsvToRgb(Hsv hsv) {
    const double s = hsv.saturation, v = hsv.value;
    if (!(s <= 1.0) || !IsFraction(v) || !(hsv.hue >= 0.0 && hsv.hue <= 360.0)) return std::nullopt;
    if (s <= 0.0) return RgbFractions{v, v, v};
    const double h = hsv.hue == 360.0 ? 0.0 : hsv.hue;
    const int sector = static_cast<int>(h / 60.0);
    const double f = h / 60.0 - sector;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
        case 0: return RgbFractions{v, t, p};
        case 1: return RgbFractions{q, v, p};
        case 2: return RgbFractions{p, v, t};
        case 3: return RgbFractions{p, q, v};
        case 4: return RgbFractions{t, p, v};
        default: return RgbFractions{v, p, q};
    }
}

std::optional<Hsv> RgbToHsv(RgbFractions rgb) {
    const double r = rgb.red, g = rgb.green, b = rgb.blue;
    if (!IsFraction(r) || !IsFraction(g) || !IsFraction(b)) return std::nullopt;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    Hsv hsv{0, 0, max};
    if (max == 0.0) return hsv;
    hsv.saturation = (max - min) / max;
    if (hsv.saturation == 0.0) return hsv;
    const double delta = max - min;
    if (r == max)
        hsv.hue = 60.0 * ((g - b) / delta);
    else if (g == max)
        hsv.hue = 60.0 * (2.0 + (b - r) / delta);
    else
        hsv.hue = 60.0 * (4.0 + (r - g) / delta);
    if (hsv.hue < 0.0) hsv.hue += 360.0;
    return hsv;
}

int ChannelFromFraction(double fraction) {
    return std::clamp(static_cast<int>(std::ceil(fraction * 255.0 - 0.5)), 0, 255);
}

Colour ColourFromFractions(RgbFractions rgb) {
    return MakeColour(ChannelFromFraction(rgb.red), ChannelFromFraction(rgb.green), ChannelFromFraction(rgb.blue));
}

ModeRanges RangesOf(ColourMode mode) {
    switch (mode) {
        case ColourMode::HueFixed: return {kHueSteps - 1, kFractionSteps, kFractionSteps};
        case ColourMode::SaturationFixed:
        case ColourMode::ValueFixed: return {kFractionSteps, kHueSteps - 1, kFractionSteps};
        default: return {};
    }
}

Colour PlaneColour(ColourMode mode, PlanePosition position) {
    const ModeRanges ranges = RangesOf(mode);
    const int fixed = std::clamp(position.fixed, 0, ranges.fixed);
    const int x = std::clamp(position.x, 0, ranges.x), y = std::clamp(position.y, 0, ranges.y);
    Hsv hsv;
    switch (mode) {
        case ColourMode::RedFixed: return MakeColour(fixed, y, x);
        case ColourMode::GreenFixed: return MakeColour(y, fixed, x);
        case ColourMode::BlueFixed: return MakeColour(x, y, fixed);
        case ColourMode::HueFixed: hsv = {fixed / 10.0, x / 1000.0, y / 1000.0}; break;
        case ColourMode::SaturationFixed: hsv = {x / 10.0, fixed / 1000.0, y / 1000.0}; break;
        case ColourMode::ValueFixed: hsv = {x / 10.0, y / 1000.0, fixed / 1000.0}; break;
    }
    return ColourFromFractions(HsvToRgb(hsv).value_or(RgbFractions{}));
}

PlanePosition PositionOfColour(ColourMode mode, Colour colour) {
    const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    switch (mode) {
        case ColourMode::RedFixed: return {r, b, g};
        case ColourMode::GreenFixed: return {g, b, r};
        case ColourMode::BlueFixed: return {b, r, g};
        default: break;
    }
    // Channels of a byte are always fractions, so the conversion cannot fail.
    const Hsv hsv = RgbToHsv({r / 255.0, g / 255.0, b / 255.0}).value_or(Hsv{});
    int hue = CeilScaled(hsv.hue, 10);
    if (hue >= kHueSteps) hue = 0;
    const int s = CeilScaled(hsv.saturation, kFractionSteps), v = CeilScaled(hsv.value, kFractionSteps);
    if (mode == ColourMode::HueFixed) return {hue, s, v};
    if (mode == ColourMode::SaturationFixed) return {s, hue, v};
    return {v, hue, s};
}

}  // namespace ravix
