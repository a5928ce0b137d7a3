#include <gtest/gtest.h>

#include "core/editor/SliderPositions.h"

namespace ravix {
namespace {

TEST(SliderPositions, PressOffsetsGivePositionsAndTheLastPixelsKeepTheLastOne) {
    struct Case {
        int offset, five, ten;
    };
    const Case cases[] = {
        {0, 1, 1},     {3, 1, 1},     {4, 2, 1},  {8, 2, 1},  {9, 2, 2},  {29, 2, 2},  {30, 2, 3},
        {33, 2, 3},    {34, 3, 3},    {123, 5, 7}, {124, 5, 7}, {127, 5, 7}, {176, 5, 9}, {177, 5, 10},
        {197, 5, 10},  {198, 5, 10},  {207, 5, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FivePositionAt(c.offset), c.five) << c.offset;
        EXPECT_EQ(TenPositionAt(c.offset), c.ten) << c.offset;
    }
}

TEST(SliderPositions, PressStoresOnlyInsideTheRectangleAndReportsAChange) {
    const ClientRect slider{100, 50, 308, 59};
    std::uint8_t stored = 5;
    EXPECT_FALSE(PressTenPositionSlider(stored, slider, {99, 55}));
    EXPECT_FALSE(PressTenPositionSlider(stored, slider, {308, 55}));
    EXPECT_FALSE(PressTenPositionSlider(stored, slider, {150, 59}));
    EXPECT_EQ(stored, 5);
    EXPECT_FALSE(PressTenPositionSlider(stored, slider, {180, 50}));  // position 5 again
    EXPECT_TRUE(PressTenPositionSlider(stored, slider, {307, 58}));
    EXPECT_EQ(stored, 10);
    EXPECT_TRUE(PressFivePositionSlider(stored, {0, 0, 128, 8}, {3, 0}));
    EXPECT_EQ(stored, 1);
}

TEST(SliderPositions, ScaleLabelsAndPicturesOfTenPositionSliders) {
    const ClientRect slider{20, 100, 228, 109};
    // Each label and knob stands where a press keeps that position, inside the slider.
    for (int p = 1; p <= 10; ++p) {
        EXPECT_EQ(TenPositionAt(TenPositionCentre(p)), p);
        const ClientRect label = TenPositionScaleLabelRect(slider, p);
        EXPECT_EQ(label.left + label.Width() / 2, slider.left + TenPositionCentre(p));
        EXPECT_GE(label.top, slider.bottom);
    }
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(FivePositionAt(FivePositionCentre(p)), p);
    // A foreign position shows the nearest picture.
    EXPECT_EQ(TenPositionSliderImageName(0), L"/StageSlider/1.png");
    EXPECT_EQ(TenPositionSliderImageName(7), L"/StageSlider/7.png");
    EXPECT_EQ(TenPositionSliderImageName(11), L"/StageSlider/10.png");
    EXPECT_EQ(TenPositionSliderImageName(255), L"/StageSlider/10.png");
}

}  // namespace
}  // namespace ravix
