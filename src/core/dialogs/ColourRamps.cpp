#include "core/dialogs/ColourRamps.h"

#include <array>
#include <cstddef>
#include <vector>

namespace ravix {
namespace {

constexpr int kFractionBits = 20;
constexpr int kHalf = 1 << (kFractionBits - 1);

// The hue circle in six equal segments along `out`, each a ramp between two of the seven anchor
// colours at 0, 60, ... 360 degrees.
void HueSegments(std::span<DibPixel> out, const std::array<Colour, 7>& anchors) {
    const std::size_t last = out.size() - 1;
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t from = k * last / 6, to = (k + 1) * last / 6;
        RampFill(out.subspan(from, to - from + 1), anchors[k], anchors[k + 1]);
    }
}

std::array<Colour, 7> HueAnchors(ColourMode mode, int fixed, int y) {
    std::array<Colour, 7> anchors{};
    for (int k = 0; k < 7; ++k) anchors[static_cast<std::size_t>(k)] = PlaneColour(mode, {fixed, k * 600, y});
    anchors[6] = anchors[0];  // 360 degrees is 0 again
    return anchors;
}

}  // namespace

void RampFill(std::span<DibPixel> out, Colour start, Colour end) {
    if (out.empty()) return;
    const int steps = static_cast<int>(out.size()) - 1;
    std::array<std::int32_t, 3> value{}, step{};
    const int shifts[3] = {16, 8, 0};
    const int from[3] = {RedOf(start), GreenOf(start), BlueOf(start)};
    const int to[3] = {RedOf(end), GreenOf(end), BlueOf(end)};
    for (int c = 0; c < 3; ++c) {
        value[c] = from[c] << kFractionBits;
        step[c] = steps ? ((to[c] - from[c]) << kFractionBits) / steps : 0;
    }
    for (DibPixel& pixel : out) {
        pixel = 0;
        for (int c = 0; c < 3; ++c) {
            pixel |= static_cast<DibPixel>((value[c] + kHalf) >> kFractionBits) << shifts[c];
            value[c] += step[c];
        }
    }
}

void RenderPlane(std::span<DibPixel> pixels, int width, int height, ColourMode mode, int fixed) {
    if (width <= 0 || height <= 0) return;
    const auto w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
    if (pixels.size() < w * h) return;
    const ModeRanges ranges = RangesOf(mode);
    const bool hueAlongX = mode == ColourMode::SaturationFixed || mode == ColourMode::ValueFixed;
    // The plane's colour is bilinear in x and y except along a hue axis, whose row is the circle.
    std::vector<DibPixel> left(h), right(h);
    if (!hueAlongX) {
        RampFill(left, PlaneColour(mode, {fixed, 0, 0}), PlaneColour(mode, {fixed, 0, ranges.y}));
        RampFill(right, PlaneColour(mode, {fixed, ranges.x, 0}), PlaneColour(mode, {fixed, ranges.x, ranges.y}));
    }
    for (std::size_t row = 0; row < h; ++row) {
        const std::size_t fromBottom = h - 1 - row;
        std::span<DibPixel> line = pixels.subspan(row * w, w);
        if (hueAlongX) {
            const int y = h > 1 ? static_cast<int>(fromBottom * static_cast<std::size_t>(ranges.y) / (h - 1)) : 0;
            HueSegments(line, HueAnchors(mode, fixed, y));
            continue;
        }
        const auto asColour = [](DibPixel p) { return MakeColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); };
        RampFill(line, asColour(left[fromBottom]), asColour(right[fromBottom]));
    }
}

void StripColours(std::span<DibPixel> out, ColourMode mode, int planeX, int planeY) {
    if (out.empty()) return;
    if (mode == ColourMode::HueFixed) {
        HueSegments(out, HueAnchors(ColourMode::SaturationFixed, 1000, 1000));
        return;
    }
    const ModeRanges ranges = RangesOf(mode);
    RampFill(out, PlaneColour(mode, {0, planeX, planeY}), PlaneColour(mode, {ranges.fixed, planeX, planeY}));
}

}  // namespace ravix
