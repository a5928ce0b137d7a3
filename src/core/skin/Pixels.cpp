#include "core/skin/Pixels.h"

namespace ravix {

PixelView BottomUpView(const std::uint8_t* memory, int width, int height) {
    const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(width) * 4;
    if (height <= 0) return {memory, width, 0, rowBytes};
    return {memory + rowBytes * (height - 1), width, height, -rowBytes};
}

void Premultiply(std::span<std::uint8_t> bgra) {
    for (std::size_t i = 0; i + 3 < bgra.size(); i += 4) {
        const unsigned alpha = bgra[i + 3];
        for (std::size_t c = 0; c < 3; ++c)
            bgra[i + c] = static_cast<std::uint8_t>(bgra[i + c] * alpha / 255);
    }
}

}  // namespace ravix
