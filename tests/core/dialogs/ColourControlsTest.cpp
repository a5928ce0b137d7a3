#include <gtest/gtest.h>

#include "core/dialogs/ColourControls.h"

namespace ravix {
namespace {

constexpr ModeRanges kHue{3599, 1000, 1000};
constexpr PixelRect kPlane{1, 1, 201, 201};

TEST(ColourPlane, MarkerAndPointerMapOntoThePlane) {
    EXPECT_EQ(MarkerCentre(kPlane, {0, 1000, 1000}, kHue), (PixelPoint{201, 1}));  // top-right corner
    EXPECT_EQ(MarkerCentre(kPlane, {0, 0, 0}, kHue), (PixelPoint{1, 201}));
    EXPECT_EQ(MarkerCentre(kPlane, {0, 500, 250}, kHue), (PixelPoint{101, 151}));
    struct Case {
        PixelPoint pointer;
        int x, y;
    };
    const Case cases[] = {{{1, 201}, 0, 0},      {{201, 1}, 1000, 1000}, {{-50, 400}, 0, 0},
                          {{999, -9}, 1000, 1000}, {{101, 101}, 500, 500}, {{2, 200}, 5, 5}};
    for (const auto& c : cases) {
        const auto p = PositionAtPoint(kPlane, c.pointer, {7, 0, 0}, kHue);
        ASSERT_TRUE(p);
        EXPECT_EQ(*p, (PlanePosition{7, c.x, c.y})) << c.pointer.x << "," << c.pointer.y;
    }
    EXPECT_FALSE(PositionAtPoint({5, 5, 5, 40}, {5, 10}, {}, kHue));
}

TEST(ColourPlane, KeysMoveThePositionInsideTheRanges) {
    const PlanePosition mid{9, 500, 500}, top{9, 1000, 1000};
    struct Case {
        unsigned key;
        PlanePosition from, to;
    };
    const Case cases[] = {
        {KeyPageUp, mid, top},          {KeyPageDown, mid, {9, 1000, 0}}, {KeyEnd, mid, {9, 0, 0}},
        {KeyHome, mid, {9, 0, 1000}},   {KeyLeft, mid, {9, 499, 500}},    {KeyRight, mid, {9, 501, 500}},
        {KeyUp, mid, {9, 500, 501}},    {KeyDown, mid, {9, 500, 499}},    {KeyUp, top, top},
        {KeyRight, top, top},           {KeyDown, {9, 0, 0}, {9, 0, 0}},  {'A', mid, mid},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaneAfterKey(c.key, c.from, kHue), c.to) << c.key;
}

TEST(ColourPlane, MarkerOutlineContrastsWithTheColour) {
    EXPECT_TRUE(MarkerIsBlack(0x0000FF));
    EXPECT_TRUE(MarkerIsBlack(0x800000));
    EXPECT_FALSE(MarkerIsBlack(0x7F7F7F));
}

TEST(ColourStrip, ModesSetRangeStepsAndStart) {
    struct Case {
        int mode;
        int maximum, line, page, start;
        bool reversed;
    };
    const Case cases[] = {{0, 255, 1, 10, 0, false},  {2, 255, 1, 10, 0, false},      {3, 3599, 10, 100, 0, false},
                          {0x83, 3599, 10, 100, 3599, true}, {4, 1000, 10, 100, 0, false}, {0x85, 1000, 10, 100, 1000, true}};
    for (const auto& c : cases) {
        const auto s = SliderSettingsFor(c.mode);
        ASSERT_TRUE(s) << c.mode;
        EXPECT_EQ(s->minimum, 0);
        EXPECT_EQ(s->maximum, c.maximum) << c.mode;
        EXPECT_EQ(s->lineStep, c.line) << c.mode;
        EXPECT_EQ(s->pageStep, c.page) << c.mode;
        EXPECT_EQ(s->reversed, c.reversed) << c.mode;
        EXPECT_EQ(InitialSliderValue(*s), c.start) << c.mode;
    }
    EXPECT_FALSE(SliderSettingsFor(6));
    EXPECT_FALSE(SliderSettingsFor(7));
    EXPECT_FALSE(SliderSettingsFor(-1));
}

TEST(ColourStrip, ReversedHueStripTiesItsTopToHue3599) {
    const SliderSettings s = *SliderSettingsFor(0x83);
    EXPECT_EQ(SliderValueAt(0, 200, s), 0);
    EXPECT_EQ(FixedForSliderValue(0, s, 3599), 3599);       // top: hue 3599
    EXPECT_EQ(SliderValueAt(200, 200, s), 3599);
    EXPECT_EQ(FixedForSliderValue(3599, s, 3599), 0);       // bottom: hue 0
    EXPECT_EQ(SliderValueAt(-30, 200, s), 0);               // held inside the track
    EXPECT_EQ(SliderValueAt(100, 200, s), 1800);            // 1799.5 rounds up
    EXPECT_EQ(SliderValueAt(50, 0, s), 0);                  // no track, no movement
    EXPECT_EQ(SliderValueForFixed(0, s), 3599);
    EXPECT_EQ(SliderValueForFixed(5000, s), 0);
    EXPECT_EQ(SliderOffsetOf(3599, 200, s), 200);
    EXPECT_FALSE(FixedForSliderValue(0, s, 1000));          // beyond a smaller range: refused
}

TEST(ColourStrip, KeysStepInsideTheRange) {
    const SliderSettings s = *SliderSettingsFor(3);
    struct Case {
        unsigned key;
        int from, to;
    };
    const Case cases[] = {{KeyPageUp, 500, 400}, {KeyPageDown, 500, 600}, {KeyEnd, 5, 3599}, {KeyHome, 5, 0},
                          {KeyRight, 500, 510},  {KeyDown, 500, 510},     {KeyLeft, 500, 490}, {KeyUp, 5, 0},
                          {KeyPageDown, 3550, 3599}, {13, 500, 500}};
    for (const auto& c : cases) EXPECT_EQ(SliderAfterKey(c.key, c.from, s), c.to) << c.key;
}

TEST(ColourStrip, GeometryLeavesRoomForTheMarkers) {
    // The dialog's strip: vertical, markers on both sides, marker size 6.
    const StripGeometry g = StripGeometryOf(30, 208, kStripReverse | kStripMarkersBefore | kStripMarkersAfter, 6);
    EXPECT_TRUE(g.vertical);
    EXPECT_EQ(g.inner, (PixelRect{2, 2, 27, 205}));
    EXPECT_EQ(g.track, (PixelRect{11, 7, 18, 200}));
    EXPECT_EQ(g.Length(), 193);
    const StripGeometry h = StripGeometryOf(208, 30, kStripHorizontal | kStripMarkersAfter, 6);
    EXPECT_FALSE(h.vertical);
    EXPECT_EQ(h.track, (PixelRect{7, 4, 200, 18}));
    EXPECT_TRUE(StripDrawnReversed(kStripReverse, false));
    EXPECT_FALSE(StripDrawnReversed(kStripReverse, true));
    EXPECT_TRUE(StripDrawnReversed(kStripHorizontal, true));
    EXPECT_FALSE(StripDrawnReversed(0, true));
}

}  // namespace
}  // namespace ravix
