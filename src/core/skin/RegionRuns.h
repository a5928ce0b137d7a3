#pragma once

#include <cstddef>
#include <vector>

#include "core/skin/Pixels.h"

namespace ravix {

struct RegionRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const RegionRect&) const = default;
};

// The shape of a window cut out of a mask picture: every maximal run of pixels in a row that are
// not pure white (blue, green and red all 255; alpha does not count) becomes one rectangle one
// pixel high, rows from the top, runs from the left.
std::vector<RegionRect> OpaqueRuns(const PixelView& pixels);

// A region is built from at most this many rectangles at a time and the pieces are united.
inline constexpr std::size_t kRegionBatch = 2000;

// One piece of the region: its rectangles and their bounding box.
struct RegionBatch {
    std::vector<RegionRect> rects;
    RegionRect bounds;
};

// The runs cut into consecutive pieces of at most `batchSize` rectangles; their union is the whole
// shape whatever the size of the pieces.
std::vector<RegionBatch> RegionBatches(const std::vector<RegionRect>& runs,
                                       std::size_t batchSize = kRegionBatch);

}  // namespace ravix
