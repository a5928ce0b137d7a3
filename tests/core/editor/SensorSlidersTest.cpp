#include <gtest/gtest.h>

#include "core/editor/AngleSnap.h"
#include "core/editor/Sensitivity.h"

namespace ravix {
namespace {

TEST(AngleSnap, PictureAndSliderPlacesAndPresses) {
    const ClientPoint body{734, 202};
    EXPECT_EQ(AngleSnapPictureRect(body), (ClientRect{754, 212, 961, 297}));
    EXPECT_EQ(AngleSnapSliderRect(body), (ClientRect{754, 308, 962, 317}));
    ProfileSettings s{};
    s.angleSnap = 1;
    EXPECT_TRUE(PressAngleSnap(s, body, {754 + 30, 310}));
    EXPECT_EQ(s.angleSnap, 3);
    EXPECT_EQ(AngleSnapPictureName(s), L"/AngleSnap/3.png");
    EXPECT_TRUE(PressAngleSnap(s, body, {961, 316}));  // the last pixels give 10, not 11
    EXPECT_EQ(s.angleSnap, 10);
    EXPECT_FALSE(PressAngleSnap(s, body, {961, 318}));  // below the slider
    s.angleSnap = 0;                                      // from a foreign file
    EXPECT_EQ(AngleSnapPictureName(s), L"/AngleSnap/1.png");
    s.angleSnap = 12;
    EXPECT_EQ(AngleSnapPictureName(s), L"/AngleSnap/10.png");
}

TEST(Sensitivity, EachAxisHasItsSliderAndItsByte) {
    const ClientPoint body{20, 195};
    EXPECT_EQ(SensitivitySliderRect(body, Axis::X), (ClientRect{37, 235, 245, 244}));
    EXPECT_EQ(SensitivitySliderRect(body, Axis::Y), (ClientRect{37, 295, 245, 304}));
    EXPECT_LE(SensitivityCaptionRect(body, Axis::Y).bottom, 295);
    EXPECT_GE(SensitivityCaptionRect(body, Axis::Y).top, 244);
    struct Case {
        int x, y;
        std::optional<Axis> changed;
        std::uint8_t xPosition, yPosition;
    };
    const Case cases[] = {
        {37 + 8, 240, Axis::X, 1, 5},   {37 + 9, 240, Axis::X, 2, 5},      {37 + 30, 243, Axis::X, 3, 5},
        {37 + 207, 300, Axis::Y, 5, 10}, {37 + 80, 300, std::nullopt, 5, 5}, {37 + 50, 270, std::nullopt, 5, 5},
    };
    for (const Case& c : cases) {
        ProfileSettings s{};
        s.xSensitivity = 5;
        s.ySensitivity = 5;
        EXPECT_EQ(PressSensitivity(s, body, {c.x, c.y}), c.changed) << c.x << "," << c.y;
        EXPECT_EQ(s.xSensitivity, c.xPosition);
        EXPECT_EQ(s.ySensitivity, c.yPosition);
    }
}

}  // namespace
}  // namespace ravix
