#include "core/editor/SliderPositions.h"

#include <algorithm>

#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

int PositionAt(int offset, int firstBand, int band, int last) {
    if (offset < firstBand) return 1;
    return std::min((offset - firstBand) / band + 2, last);
}

bool StorePress(std::uint8_t& stored, const ClientRect& slider, ClientPoint press, int (*positionAt)(int)) {
    if (!slider.Contains(press)) return false;
    const auto position = static_cast<std::uint8_t>(positionAt(press.x - slider.left));
    if (position == stored) return false;
    stored = position;
    return true;
}

}  // namespace

int FivePositionAt(int offset) {
    return PositionAt(offset, 4, 30, 5);
}

int TenPositionAt(int offset) {
    return PositionAt(offset, 9, 21, 10);
}

bool PressFivePositionSlider(std::uint8_t& stored, const ClientRect& slider, ClientPoint press) {
    return StorePress(stored, slider, press, FivePositionAt);
}

bool PressTenPositionSlider(std::uint8_t& stored, const ClientRect& slider, ClientPoint press) {
    return StorePress(stored, slider, press, TenPositionAt);
}

int FivePositionCentre(int position) {
    const int p = std::clamp(position, 1, 5);
    return p == 1 ? 3 : 30 * p - 41;
}

int TenPositionCentre(int position) {
    const int p = std::clamp(position, 1, 10);
    return p == 1 ? 4 : 21 * p - 23;
}

ClientRect TenPositionScaleLabelRect(const ClientRect& slider, int position) {
    // Below the body picture's tick marks under the slider.
    constexpr int kLabelWidth = 20, kLabelHeight = 12, kGap = 6;
    const int centre = slider.left + TenPositionCentre(position);
    return {centre - kLabelWidth / 2, slider.bottom + kGap, centre + kLabelWidth / 2,
            slider.bottom + kGap + kLabelHeight};
}

std::wstring TenPositionSliderImageName(std::uint8_t position) {
    return NumberedImageName(L"/StageSlider/%d.png", std::clamp<int>(position, 1, 10));
}

}  // namespace ravix
