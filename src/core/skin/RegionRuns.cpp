#include "core/skin/RegionRuns.h"

#include <algorithm>

namespace ravix {
namespace {

bool IsWhite(const std::uint8_t* pixel) { return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255; }

RegionRect BoundsOf(const std::vector<RegionRect>& rects) {
    RegionRect bounds = rects.front();
    for (const RegionRect& r : rects) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    return bounds;
}

}  // namespace

std::vector<RegionRect> OpaqueRuns(const PixelView& pixels) {
    std::vector<RegionRect> runs;
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint8_t* row = pixels.Row(y);
        int x = 0;
        while (x < pixels.width) {
            if (IsWhite(row + 4 * x)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < pixels.width && !IsWhite(row + 4 * x)) ++x;
            runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

std::vector<RegionBatch> RegionBatches(const std::vector<RegionRect>& runs, std::size_t batchSize) {
    std::vector<RegionBatch> batches;
    if (batchSize == 0) batchSize = kRegionBatch;
    for (std::size_t first = 0; first < runs.size(); first += batchSize) {
        const std::size_t last = std::min(runs.size(), first + batchSize);
        RegionBatch batch;
        batch.rects.assign(runs.begin() + static_cast<std::ptrdiff_t>(first),
                           runs.begin() + static_cast<std::ptrdiff_t>(last));
        batch.bounds = BoundsOf(batch.rects);
        batches.push_back(std::move(batch));
    }
    return batches;
}

}  // namespace ravix
