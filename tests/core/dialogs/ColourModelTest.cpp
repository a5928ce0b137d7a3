#include <gtest/gtest.h>

#include <vector>

#include "core/dialogs/ColourControls.h"
#include "core/dialogs/ColourModel.h"
#include "core/dialogs/ColourRamps.h"

namespace ravix {
namespace {

using M = ColourMode;

TEST(ColourModel, ColourToPlanePositionAndBack) {
    struct Case {
        const char* name;
        ColourMode mode;
        Colour colour;
        PlanePosition position;
    };
    const Case cases[] = {
        {"pure red: hue 0, full saturation and value", M::HueFixed, 0x0000FF, {0, 1000, 1000}},
        {"grey: saturation and hue 0", M::HueFixed, 0x808080, {0, 0, 502}},
        {"black", M::HueFixed, 0x000000, {0, 0, 0}},
        {"yellow at hue 60", M::HueFixed, 0x00FFFF, {600, 1000, 1000}},
        {"blue at hue 240", M::HueFixed, 0xFF0000, {2400, 1000, 1000}},
        {"saturation fixed puts hue on x", M::SaturationFixed, 0x00FF00, {1000, 1200, 1000}},
        {"value fixed puts saturation on y", M::ValueFixed, 0xFF0000, {1000, 2400, 1000}},
        {"red fixed: x blue, y green", M::RedFixed, MakeColour(10, 20, 30), {10, 30, 20}},
        {"green fixed: x blue, y red", M::GreenFixed, MakeColour(10, 20, 30), {20, 30, 10}},
        {"blue fixed: x red, y green", M::BlueFixed, MakeColour(10, 20, 30), {30, 10, 20}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositionOfColour(c.mode, c.colour), c.position) << c.name;
        EXPECT_EQ(PlaneColour(c.mode, c.position), c.colour) << c.name;
    }
}

TEST(ColourModel, HuesJustBelowAFullCircleStayInsideTheRange) {
    EXPECT_EQ(PositionOfColour(M::HueFixed, MakeColour(255, 0, 1)).fixed, 3598);  // 359.76 degrees
    for (int blue = 0; blue < 256; ++blue) ASSERT_LE(PositionOfColour(M::HueFixed, MakeColour(255, 0, blue)).fixed, 3599);
}

TEST(ColourModel, ConversionsRefuseValuesOutsideTheirRanges) {
    EXPECT_FALSE(HsvToRgb({10, 1.01, 0.5}));
    EXPECT_FALSE(HsvToRgb({10, 0.5, 1.01}));
    EXPECT_FALSE(HsvToRgb({-1, 0.5, 0.5}));
    EXPECT_FALSE(HsvToRgb({360.5, 0.5, 0.5}));
    EXPECT_FALSE(RgbToHsv({1.2, 0, 0}));
    EXPECT_EQ(ColourFromFractions(*HsvToRgb({60, 1, 1})), MakeColour(255, 255, 0));
    EXPECT_EQ(ColourFromFractions(*HsvToRgb({360, 1, 1})), MakeColour(255, 0, 0));
    EXPECT_EQ(ColourFromFractions(*HsvToRgb({123, 0, 0.5})), MakeColour(127, 127, 127));  // 127.5 rounds down
}

TEST(ColourModel, ChannelsRoundHalvesDown) {
    EXPECT_EQ(ChannelFromFraction(0.5 / 255), 0);
    EXPECT_EQ(ChannelFromFraction(0.51 / 255), 1);
    EXPECT_EQ(ChannelFromFraction(1.5 / 255), 1);
    EXPECT_EQ(ChannelFromFraction(1.0), 255);
    EXPECT_EQ(ChannelFromFraction(0.0), 0);
}

TEST(ColourRamps, RampRunsFromStartToEndInEveryChannel) {
    std::vector<DibPixel> ramp(256);
    RampFill(ramp, MakeColour(0, 255, 10), MakeColour(255, 0, 10));
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ASSERT_EQ(ramp[i], DibPixelOf(MakeColour(static_cast<int>(i), 255 - static_cast<int>(i), 10))) << i;
    std::vector<DibPixel> one(1);
    RampFill(one, 0x123456, 0xFFFFFF);
    EXPECT_EQ(one[0], DibPixelOf(0x123456));
    RampFill(std::span<DibPixel>{}, 0, 0xFFFFFF);  // nothing to fill, nothing touched
}

TEST(ColourRamps, PlanePixelsShowTheColourTheirPositionSelects) {
    const int w = 101, h = 51;
    for (ColourMode mode : {M::RedFixed, M::BlueFixed, M::HueFixed, M::SaturationFixed, M::ValueFixed}) {
        const ModeRanges r = RangesOf(mode);
        const int fixed = r.fixed * 2 / 3;
        std::vector<DibPixel> pixels(w * h);
        RenderPlane(pixels, w, h, mode, fixed);
        for (int row : {0, 17, h - 1})
            for (int col : {0, 33, 50, w - 1}) {
                const PlanePosition p{fixed, col * r.x / (w - 1), (h - 1 - row) * r.y / (h - 1)};
                const Colour expected = PlaneColour(mode, p);
                const DibPixel got = pixels[static_cast<std::size_t>(row * w + col)];
                for (int shift : {0, 8, 16})
                    EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF),
                                static_cast<int>((DibPixelOf(expected) >> shift) & 0xFF), 5)
                        << "mode " << static_cast<int>(mode) << " row " << row << " col " << col;
            }
    }
}

TEST(ColourRamps, AnEmptyOrTooSmallPlaneIsNotDrawn) {
    std::vector<DibPixel> pixels(4, 0xABCDEF);
    RenderPlane(pixels, 0, 10, M::HueFixed, 0);
    RenderPlane(pixels, 3, 2, M::HueFixed, 0);  // needs six pixels
    EXPECT_EQ(pixels, std::vector<DibPixel>(4, 0xABCDEF));
}

TEST(ColourRamps, StripShowsTheHueCircleOrTheFixedComponent) {
    std::vector<DibPixel> hue(361);
    StripColours(hue, M::HueFixed, 0, 0);
    EXPECT_EQ(hue[0], DibPixelOf(0x0000FF));
    EXPECT_EQ(hue[60], DibPixelOf(0x00FFFF));
    EXPECT_EQ(hue[240], DibPixelOf(0xFF0000));
    EXPECT_EQ(hue[360], DibPixelOf(0x0000FF));
    std::vector<DibPixel> red(256);
    StripColours(red, M::RedFixed, 40, 20);  // x blue 40, y green 20
    EXPECT_EQ(red[0], DibPixelOf(MakeColour(0, 20, 40)));
    EXPECT_EQ(red[255], DibPixelOf(MakeColour(255, 20, 40)));
}

}  // namespace
}  // namespace ravix
