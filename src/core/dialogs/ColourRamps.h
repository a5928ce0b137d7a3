#pragma once

#include <cstdint>
#include <span>

#include "core/dialogs/ColourModel.h"

namespace ravix {

// A pixel as a 32-bit device-independent section holds it: blue in the low byte.
using DibPixel = std::uint32_t;

constexpr DibPixel DibPixelOf(Colour c) {
    return static_cast<DibPixel>((RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c));
}

// Each channel interpolated linearly from `start` (first entry) to `end` (last entry), stepped in
// 12.20 fixed point so that a row costs one addition per channel and pixel.
void RampFill(std::span<DibPixel> out, Colour start, Colour end);

// The colour plane for one fixed component: `width` x `height` pixels, rows from the top, so that
// x grows to the right and y upward from the bottom row. Nothing is drawn for an empty size or a
// buffer too small for it.
void RenderPlane(std::span<DibPixel> pixels, int width, int height, ColourMode mode, int fixed);

// The strip's colours from its minimum (entry 0) to its maximum: the hue circle at full saturation
// and value when the strip sets the hue, else the fixed component from 0 to its maximum with the
// plane's x and y held.
void StripColours(std::span<DibPixel> out, ColourMode mode, int planeX, int planeY);

}  // namespace ravix
