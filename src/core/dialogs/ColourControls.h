#pragma once

#include <optional>

#include "core/dialogs/ColourModel.h"
#include "core/geometry/PixelGeometry.h"

namespace ravix {

// Geometry and key rules of the colour plane and the colour strip.

// The virtual keys the controls answer.
enum NavigationKey : unsigned {
    KeyPageUp = 33, KeyPageDown, KeyEnd, KeyHome, KeyLeft, KeyUp, KeyRight, KeyDown
};

// The centre of the plane's position marker: x from the left edge, y up from the bottom edge.
PixelPoint MarkerCentre(const PixelRect& plane, PlanePosition position, ModeRanges ranges);

// The outline of the marker is black on a light colour (brightest channel 128 or more), else white.
bool MarkerIsBlack(Colour colour);

// The plane's x and y under a pointer, the pointer held inside the plane first. None for an empty
// plane. The fixed component is kept.
std::optional<PlanePosition> PositionAtPoint(const PixelRect& plane, PixelPoint point, PlanePosition current,
                                             ModeRanges ranges);

// The position after a key press, clamped to the ranges; the same position for any other key.
PlanePosition PlaneAfterKey(unsigned key, PlanePosition current, ModeRanges ranges);

// The strip's range and steps for a mode; bit 0x80 of the mode marks a strip running from the
// maximum down. Modes outside the table are refused.
struct SliderSettings {
    ColourMode mode = ColourMode::RedFixed;
    bool reversed = false;
    int minimum = 0, maximum = 255, lineStep = 1, pageStep = 10;
};
inline constexpr int kReversedModeFlag = 0x80;
std::optional<SliderSettings> SliderSettingsFor(int modeWithFlag);

// The value the strip starts at in a mode: the maximum when reversed, else the minimum.
int InitialSliderValue(const SliderSettings& settings);

// Strip style flags.
inline constexpr unsigned kStripHorizontal = 0x8000;
inline constexpr unsigned kStripReverse = 0x4000;
inline constexpr unsigned kStripMarkersBefore = 0x2000;  // left of a vertical strip, above a horizontal one
inline constexpr unsigned kStripMarkersAfter = 0x1000;   // right of it, or below

// Where the strip draws: the inner rectangle (framed, focus rectangle) and the track (the colours,
// one entry per pixel along its length, length + 1 entries in all).
struct StripGeometry {
    PixelRect inner, track;
    bool vertical = true;
    int Length() const { return vertical ? track.Height() : track.Width(); }
};
StripGeometry StripGeometryOf(int width, int height, unsigned style, int markerSize);

// Whether the strip's colours are drawn from the other end.
bool StripDrawnReversed(unsigned style, bool reversedMode);

// The value at `offset` pixels along the track (from its top, or its left), held inside the track.
// A track without length keeps the minimum.
int SliderValueAt(int offset, int trackLength, const SliderSettings& settings);

// The marker's offset along the track for a value.
int SliderOffsetOf(int value, int trackLength, const SliderSettings& settings);

// The value after a key press (virtual keys 33 to 40), clamped; the same value for any other key.
int SliderAfterKey(unsigned key, int value, const SliderSettings& settings);

// The strip's value for the plane's fixed component, and the fixed component the plane takes from
// the strip's value (none when it lies outside the component's range).
int SliderValueForFixed(int fixed, const SliderSettings& settings);
std::optional<int> FixedForSliderValue(int value, const SliderSettings& settings, int fixedMaximum);

}  // namespace ravix
