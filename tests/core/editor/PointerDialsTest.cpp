#include <gtest/gtest.h>

#include "core/editor/PointerDials.h"
#include "core/store/ProfilePointerSettings.h"

namespace ravix {
namespace {

constexpr ClientPoint kBody{734, 127};

TEST(PointerDials, DialAndCaptionsArePlacedOnTheBody) {
    const ClientRect dial = SpeedDialRect(kBody, 242);
    EXPECT_EQ(dial, (ClientRect{784, 147, 926, 230}));
    EXPECT_EQ(SlowCaptionRect(dial), (ClientRect{734, 200, 784, 230}));
    EXPECT_EQ(FastCaptionRect(dial), (ClientRect{926, 200, 976, 230}));
}

TEST(PointerDials, HalfRingSectorsGivePositions) {
    const ClientRect dial = SpeedDialRect(kBody, 242);
    const ClientPoint centre{dial.left + 71, dial.top + 71};
    struct Case {
        int dx, dy;
        int position;  // 0: nothing
    };
    const Case cases[] = {
        {0, -60, 7},  {70, -1, 11}, {-70, -1, 2}, {60, 0, 11}, {-60, 0, 2},  // straight up, the far ends
        {50, -30, 10}, {-50, -30, 3}, {30, -50, 8}, {-30, -50, 5},         // inside the sectors
        {0, -43, 7},  {0, -71, 7},  {0, -42, 0},  {0, -72, 0},             // the ring's edges
        {30, 0, 0},   {50, 10, 0},  {0, 60, 0},                            // too near, below the centre
    };
    for (const Case& c : cases) {
        const auto position = SpeedDialPositionAt(dial, {centre.x + c.dx, centre.y + c.dy});
        EXPECT_EQ(position.value_or(0), c.position) << c.dx << "," << c.dy;
    }
    // Straight up gives speed 12, the far right 20: what the system is told at Save.
    EXPECT_EQ(PointerSpeedFor(7), 12);
    EXPECT_EQ(DoubleClickTimeFor(11), 200u);
}

TEST(PointerDials, PressStoresAChangedPositionAndPicturesStayInRange) {
    const ClientRect dial = SpeedDialRect(kBody, 242);
    std::uint8_t stored = 7;
    EXPECT_FALSE(PressSpeedDial(stored, dial, {dial.left + 71, dial.top + 11}));  // 7 again
    EXPECT_TRUE(PressSpeedDial(stored, dial, {dial.left + 71 + 60, dial.top + 71}));
    EXPECT_EQ(stored, 11);
    EXPECT_EQ(SpeedDialImageName(11), L"/MouseAttribute/Speed/11.png");
    EXPECT_EQ(SpeedDialImageName(1), L"/MouseAttribute/Speed/1.png");
    EXPECT_EQ(SpeedDialImageName(0), L"/MouseAttribute/Speed/1.png");
    EXPECT_EQ(SpeedDialImageName(12), L"/MouseAttribute/Speed/11.png");
}

}  // namespace
}  // namespace ravix
