#include <gtest/gtest.h>

#include <array>

#include "core/skin/Pixels.h"

namespace ravix {
namespace {

TEST(Premultiply, ScalesColourByAlphaAndKeepsAlpha) {
    struct Case {
        std::array<std::uint8_t, 4> in, out;
    } cases[] = {
        {{200, 100, 7, 0}, {0, 0, 0, 0}},           // invisible, whatever its colour
        {{255, 128, 1, 255}, {255, 128, 1, 255}},   // opaque: unchanged
        {{255, 255, 255, 128}, {128, 128, 128, 128}},
        {{254, 3, 100, 1}, {0, 0, 0, 1}},           // truncation toward zero
        {{10, 20, 30, 254}, {9, 19, 29, 254}},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, 4> pixel = c.in;
        Premultiply(pixel);
        EXPECT_EQ(pixel, c.out);
    }
}

TEST(Premultiply, EveryPixelOfABufferIsProcessed) {
    std::array<std::uint8_t, 12> pixels = {255, 255, 255, 128, 40, 40, 40, 0, 9, 9, 9, 255};
    Premultiply(pixels);
    EXPECT_EQ(pixels, (std::array<std::uint8_t, 12>{128, 128, 128, 128, 0, 0, 0, 0, 9, 9, 9, 255}));
}

TEST(Pixels, BottomUpViewStartsWithTheLastRowInMemory) {
    const std::array<std::uint8_t, 16> memory = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0};
    const PixelView view = BottomUpView(memory.data(), 2, 2);
    EXPECT_EQ(view.Row(0)[0], 3);
    EXPECT_EQ(view.Row(1)[4], 2);
}

}  // namespace
}  // namespace ravix
