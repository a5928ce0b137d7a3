#include <gtest/gtest.h>

#include "core/editor/ReportRate.h"

namespace ravix {
namespace {

constexpr ClientPoint kBody{734, 102};
constexpr int kBodyWidth = 242;

TEST(ReportRate, DialIsCentredOnTheBody) {
    EXPECT_EQ(ReportRateDialRect(kBody, kBodyWidth), (ClientRect{791, 107, 919, 235}));
}

TEST(ReportRate, RingQuadrantsChooseCodesAndAxesChooseNothing) {
    const ClientRect dial = ReportRateDialRect(kBody, kBodyWidth);
    const ClientPoint centre{855, 171};
    struct Case {
        int dx, dy;
        int code;  // 0: nothing
    };
    const Case cases[] = {
        {50, -10, 1}, {10, 50, 2},  {-30, 40, 4},  {-40, -30, 8},                // the four quadrants
        {20, 0, 0},   {0, 20, 0},   {46, 46, 0},   {70, 0, 0},                   // inside and outside the ring
        {50, 0, 0},   {-50, 0, 0},  {0, -50, 0},   {0, 50, 0},                   // exactly on an axis
        {21, 28, 2},  {20, 28, 0},  {-38, -50, 8}, {-39, -51, 0}, {-64, -1, 0},  // the ring's edges
    };
    for (const Case& c : cases) {
        const auto code = ReportRateCodeAt(dial, {centre.x + c.dx, centre.y + c.dy});
        EXPECT_EQ(code.value_or(0), c.code) << c.dx << "," << c.dy;
    }
}

TEST(ReportRate, AForeignCodeIsKeptUntilAQuadrantIsChosen) {
    const ClientRect dial = ReportRateDialRect(kBody, kBodyWidth);
    ProfileSettings s{};
    s.reportRate = 3;
    EXPECT_FALSE(PressReportRate(s, dial, {855 + 50, 171}));  // on the axis
    EXPECT_FALSE(PressReportRate(s, dial, {855, 171}));       // the centre
    EXPECT_EQ(s.reportRate, 3);
    EXPECT_TRUE(PressReportRate(s, dial, {855 + 50, 171 - 10}));
    EXPECT_EQ(s.reportRate, 1);
    EXPECT_FALSE(PressReportRate(s, dial, {855 + 40, 171 - 20}));  // the same quadrant again
}

}  // namespace
}  // namespace ravix
