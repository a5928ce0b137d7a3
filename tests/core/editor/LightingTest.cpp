#include <gtest/gtest.h>

#include "core/editor/Lighting.h"

namespace ravix {
namespace {

// Lighting right under DPI Setting's header, with DPI Setting collapsed.
constexpr ClientPoint kBody{734, 77};

ProfileSettings Standard(std::uint8_t brightness) {
    ProfileSettings s{};
    s.lightingEffect = 1;
    s.standardBrightness = brightness;
    s.breathingPeriod = 3;
    s.spectrumPeriod = 4;
    return s;
}

TEST(Lighting, RowsSitTwentyNinePixelsApart) {
    EXPECT_EQ(LightingRadioRect(kBody, 1), (ClientRect{744, 97, 754, 106}));
    EXPECT_EQ(LightingSliderRect(kBody, 1), (ClientRect{834, 97, 962, 105}));
    EXPECT_EQ(LightingRadioRect(kBody, 3), (ClientRect{744, 155, 754, 164}));
    EXPECT_EQ(LightingSliderRect(kBody, 2), (ClientRect{834, 126, 962, 134}));
    for (int row = 1; row <= 3; ++row) {
        const ClientRect caption = LightingCaptionRect(kBody, row), radio = LightingRadioRect(kBody, row);
        EXPECT_EQ(caption.left, radio.right + 5);
        EXPECT_LE(caption.right, LightingSliderRect(kBody, row).left);
        EXPECT_EQ(caption.top + caption.bottom, radio.top + radio.bottom);  // centred on the row
        for (int p = 1; p <= 5; ++p) {
            const ClientRect label = LightingScaleLabelRect(kBody, row, p);
            EXPECT_GE(label.top, LightingSliderRect(kBody, row).bottom);
            EXPECT_LE(label.bottom, LightingSliderRect(kBody, row).top + 29);  // above the next row
            EXPECT_LE(label.right, kBody.x + 242);
        }
    }
    EXPECT_EQ(LightingScaleLabel(1, 1), L"0%");
    EXPECT_EQ(LightingScaleLabel(2, 5), L"8S");
    EXPECT_EQ(LightingScaleLabel(3, 4), L"12S");
}

TEST(Lighting, PressesChooseTheEffectOrOneRowsPosition) {
    struct Case {
        const char* name;
        ClientPoint press;
        LightingChange change;
        int row;
        std::uint8_t effect, standard, breathing, spectrum;
    };
    const Case cases[] = {
        {"breathing radio keeps the other positions", {745, 126}, LightingChange::Effect, 2, 2, 2, 3, 4},
        {"chosen radio again", {753, 105}, LightingChange::None, 0, 1, 2, 3, 4},
        {"3 pixels into a slider", {837, 100}, LightingChange::Position, 1, 1, 1, 3, 4},
        {"34 pixels in", {868, 100}, LightingChange::Position, 1, 1, 3, 3, 4},
        {"same position", {854, 97}, LightingChange::None, 0, 1, 2, 3, 4},
        {"last pixels give 5", {961, 158}, LightingChange::Position, 3, 1, 2, 3, 5},
        {"between the rows", {900, 110}, LightingChange::None, 0, 1, 2, 3, 4},
        {"caption", {770, 100}, LightingChange::None, 0, 1, 2, 3, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileSettings s = Standard(2);
        const LightingPress press = PressLighting(s, kBody, c.press);
        EXPECT_EQ(press.change, c.change);
        EXPECT_EQ(press.row, c.row);
        EXPECT_EQ(s.lightingEffect, c.effect);
        EXPECT_EQ(s.standardBrightness, c.standard);
        EXPECT_EQ(s.breathingPeriod, c.breathing);
        EXPECT_EQ(s.spectrumPeriod, c.spectrum);
    }
}

TEST(Lighting, ImagesFollowTheRecordAndForeignValuesStayInRange) {
    ProfileSettings s = Standard(2);
    EXPECT_EQ(LightingRadioImageName(s, 1), L"/Enable.png");
    EXPECT_EQ(LightingRadioImageName(s, 2), L"/Disable.png");
    EXPECT_EQ(LightingSliderImageName(s, 1), L"/Lighting/2.png");
    EXPECT_EQ(LightingSliderImageName(s, 3), L"/Lighting/4.png");
    s.lightingEffect = 0;  // none chosen, or a value no row has
    s.standardBrightness = 0;
    s.spectrumPeriod = 200;
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(LightingRadioImageName(s, row), L"/Disable.png");
    EXPECT_EQ(LightingSliderImageName(s, 1), L"/Lighting/1.png");
    EXPECT_EQ(LightingSliderImageName(s, 3), L"/Lighting/5.png");
}

}  // namespace
}  // namespace ravix
