#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ravix {

// A 32-bit picture in memory, four bytes per pixel in the order blue, green, red, alpha (the
// layout of a device-independent section). Row 0 is the top row of the image; `stride` is the
// distance in bytes between two rows and may be negative for a bottom-up section.
struct PixelView {
    const std::uint8_t* top = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    const std::uint8_t* Row(int y) const { return top + stride * y; }
};

// A bottom-up section keeps the top row last in memory.
PixelView BottomUpView(const std::uint8_t* memory, int width, int height);

// Multiplies blue, green and red by alpha / 255 (truncating) in place, so that a 32-bit image can
// be composited with per-pixel alpha; alpha itself is kept. `bgra` holds whole pixels.
void Premultiply(std::span<std::uint8_t> bgra);

}  // namespace ravix
