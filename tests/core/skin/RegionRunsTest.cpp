#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "core/skin/RegionRuns.h"

namespace ravix {
namespace {

// A top-down picture, white unless painted.
struct Mask {
    int width, height;
    std::vector<std::uint8_t> bgra;
    Mask(int w, int h) : width(w), height(h), bgra(static_cast<std::size_t>(w * h * 4), 255) {}
    void Set(int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a = 255) {
        std::uint8_t* p = &bgra[static_cast<std::size_t>((y * width + x) * 4)];
        p[0] = b, p[1] = g, p[2] = r, p[3] = a;
    }
    PixelView View() const { return {bgra.data(), width, height, width * 4}; }
};

std::set<std::pair<int, int>> Covered(const std::vector<RegionRect>& rects) {
    std::set<std::pair<int, int>> points;
    for (const RegionRect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) points.insert({x, y});
    return points;
}

TEST(RegionRuns, WhiteIsTransparentAndAnythingElseOpaque) {
    Mask all(5, 3);
    EXPECT_TRUE(OpaqueRuns(all.View()).empty());

    Mask mask(6, 3);
    mask.Set(3, 1, 0, 0, 0, 0);      // black with alpha 0: alpha does not count
    mask.Set(0, 2, 254, 255, 255);  // one step off white is opaque
    mask.Set(4, 2, 255, 255, 254);
    mask.Set(5, 2, 10, 10, 10);
    EXPECT_EQ(OpaqueRuns(mask.View()),
              (std::vector<RegionRect>{{3, 1, 4, 2}, {0, 2, 1, 3}, {4, 2, 6, 3}}));
}

TEST(RegionRuns, BottomUpSectionsAreScannedFromTheTopRowOfTheImage) {
    // Memory holds the bottom row first.
    std::vector<std::uint8_t> memory(2 * 2 * 4, 255);
    memory[4 * 2 + 0] = 0;  // first pixel of the second row in memory: the image's top row
    EXPECT_EQ(OpaqueRuns(BottomUpView(memory.data(), 2, 2)), (std::vector<RegionRect>{{0, 0, 1, 1}}));
}

TEST(RegionRuns, BatchesCoverTheSameShapeWhateverTheirSize) {
    // A checkerboard of 4800 single-pixel runs: more than two batches of 2000.
    Mask mask(120, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = (y % 2); x < 120; x += 2) mask.Set(x, y, 0, 0, 0);
    const std::vector<RegionRect> runs = OpaqueRuns(mask.View());
    ASSERT_EQ(runs.size(), 4800u);

    const std::vector<RegionBatch> batches = RegionBatches(runs);
    ASSERT_EQ(batches.size(), 3u);
    EXPECT_EQ(batches[0].rects.size(), 2000u);
    EXPECT_EQ(batches[2].rects.size(), 800u);
    std::vector<RegionRect> joined;
    for (const RegionBatch& batch : batches) {
        for (const RegionRect& r : batch.rects) {
            EXPECT_GE(r.left, batch.bounds.left);
            EXPECT_LE(r.bottom, batch.bounds.bottom);
        }
        joined.insert(joined.end(), batch.rects.begin(), batch.rects.end());
    }
    EXPECT_EQ(Covered(joined), Covered(runs));
    EXPECT_EQ(batches[0].bounds, (RegionRect{0, 0, 120, 34}));
    EXPECT_TRUE(RegionBatches({}).empty());
}

}  // namespace
}  // namespace ravix
