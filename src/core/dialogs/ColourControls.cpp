#include "core/dialogs/ColourControls.h"

#include <algorithm>

namespace ravix {
namespace {

// The smallest integer not less than numerator / denominator, for a positive denominator.
int CeilDiv(long long numerator, long long denominator) {
    long long q = numerator / denominator;
    if (numerator % denominator != 0 && numerator > 0) ++q;
    return static_cast<int>(q);
}

}  // namespace

PixelPoint MarkerCentre(const PixelRect& plane, PlanePosition position, ModeRanges ranges) {
    const long long w = plane.Width(), h = plane.Height();
    return {plane.left + static_cast<int>(w * position.x / std::max(ranges.x, 1)),
            plane.bottom - static_cast<int>(h * position.y / std::max(ranges.y, 1))};
}

bool MarkerIsBlack(Colour colour) {
    return std::max({RedOf(colour), GreenOf(colour), BlueOf(colour)}) >= 128;
}

std::optional<PlanePosition> PositionAtPoint(const PixelRect& plane, PixelPoint point, PlanePosition current,
                                             ModeRanges ranges) {
    if (plane.Empty()) return std::nullopt;
    const int px = std::clamp(point.x, plane.left, plane.right), py = std::clamp(point.y, plane.top, plane.bottom);
    current.x = CeilDiv(static_cast<long long>(px - plane.left) * ranges.x, plane.Width());
    current.y = CeilDiv(static_cast<long long>(plane.bottom - py) * ranges.y, plane.Height());
    return current;
}

PlanePosition PlaneAfterKey(unsigned key, PlanePosition p, ModeRanges ranges) {
    switch (key) {
        case KeyPageUp: p.x = ranges.x, p.y = ranges.y; break;
        case KeyPageDown: p.x = ranges.x, p.y = 0; break;
        case KeyEnd: p.x = 0, p.y = 0; break;
        case KeyHome: p.x = 0, p.y = ranges.y; break;
        case KeyLeft: --p.x; break;
        case KeyRight: ++p.x; break;
        case KeyUp: ++p.y; break;
        case KeyDown: --p.y; break;
        default: return p;
    }
    p.x = std::clamp(p.x, 0, ranges.x);
    p.y = std::clamp(p.y, 0, ranges.y);
    return p;
}

std::optional<SliderSettings> SliderSettingsFor(int modeWithFlag) {
    const int mode = modeWithFlag & ~kReversedModeFlag;
    if (modeWithFlag < 0 || mode >= kColourModeCount) return std::nullopt;
    SliderSettings s;
    s.mode = static_cast<ColourMode>(mode);
    s.reversed = (modeWithFlag & kReversedModeFlag) != 0;
    s.maximum = RangesOf(s.mode).fixed;
    if (mode >= static_cast<int>(ColourMode::HueFixed)) s.lineStep = 10, s.pageStep = 100;
    return s;
}

int InitialSliderValue(const SliderSettings& settings) {
    return settings.reversed ? settings.maximum : settings.minimum;
}

StripGeometry StripGeometryOf(int width, int height, unsigned style, int markerSize) {
    StripGeometry g;
    g.vertical = (style & kStripHorizontal) == 0;
    g.inner = {2, 2, width - 3, height - 3};
    PixelRect bar = g.inner;
    const int room = markerSize + 1, shorten = markerSize - 3;
    int& before = g.vertical ? bar.left : bar.top;
    int& after = g.vertical ? bar.right : bar.bottom;
    int& start = g.vertical ? bar.top : bar.left;
    int& end = g.vertical ? bar.bottom : bar.right;
    if (style & kStripMarkersBefore) before += room;
    if (style & kStripMarkersAfter) after -= room;
    start += shorten;
    end -= shorten;
    g.track = {bar.left + 2, bar.top + 2, bar.right - 2, bar.bottom - 2};
    return g;
}

bool StripDrawnReversed(unsigned style, bool reversedMode) {
    return ((style & kStripReverse) && !reversedMode) || ((style & kStripHorizontal) && reversedMode);
}

int SliderValueAt(int offset, int trackLength, const SliderSettings& s) {
    if (trackLength <= 0) return s.minimum;
    const double along = static_cast<double>(std::clamp(offset, 0, trackLength)) / trackLength;
    const double rounding = s.minimum > s.maximum ? -0.5 : 0.5;
    return s.minimum + static_cast<int>(along * (s.maximum - s.minimum) + rounding);
}

int SliderOffsetOf(int value, int trackLength, const SliderSettings& s) {
    if (s.maximum == s.minimum) return 0;
    return static_cast<int>(static_cast<long long>(value - s.minimum) * trackLength / (s.maximum - s.minimum));
}

int SliderAfterKey(unsigned key, int value, const SliderSettings& s) {
    switch (key) {
        case KeyPageUp: value -= s.pageStep; break;
        case KeyPageDown: value += s.pageStep; break;
        case KeyEnd: value = s.maximum; break;
        case KeyHome: value = s.minimum; break;
        case KeyRight:
        case KeyDown: value += s.lineStep; break;
        case KeyLeft:
        case KeyUp: value -= s.lineStep; break;
        default: return value;
    }
    return std::clamp(value, s.minimum, s.maximum);
}

int SliderValueForFixed(int fixed, const SliderSettings& s) {
    return std::clamp(s.reversed ? s.maximum - fixed : fixed, s.minimum, s.maximum);
}

std::optional<int> FixedForSliderValue(int value, const SliderSettings& s, int fixedMaximum) {
    const int fixed = s.reversed ? s.maximum - value : value;
    if (fixed < 0 || fixed > fixedMaximum) return std::nullopt;
    return fixed;
}

}  // namespace ravix
