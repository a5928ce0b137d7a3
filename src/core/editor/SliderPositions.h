#pragma once

#include <cstdint>
#include <string>

#include "core/editor/ClientGeometry.h"

namespace ravix {

// The horizontal sliders of the section pages turn the distance of a press from the slider's left
// edge into a position. The hit rectangles are a few pixels wider than the last position's band,
// so a press at their right end is taken as the last position rather than one past it.

// Lighting: positions 1..5, 1 in the first 4 pixels, then one position every 30 pixels.
inline constexpr int kFivePositionSliderWidth = 128;
int FivePositionAt(int offset);

// Angle snap and X/Y sensitivity: positions 1..10, 1 in the first 9 pixels, then one every 21.
inline constexpr int kTenPositionSliderWidth = 208;
inline constexpr int kTenPositionSliderHeight = 9;
int TenPositionAt(int offset);

// A press on a slider's hit rectangle stores the position it gives; true when the stored position
// changed. Presses outside the rectangle change nothing.
bool PressFivePositionSlider(std::uint8_t& stored, const ClientRect& slider, ClientPoint press);
bool PressTenPositionSlider(std::uint8_t& stored, const ClientRect& slider, ClientPoint press);

// Where a position's knob stands, from the slider's left edge: the middle of the pixels that give
// that position, so that a press on the knob keeps it. The skin's slider pictures and body ticks
// are drawn there, and the scale labels are centred there.
int FivePositionCentre(int position);
int TenPositionCentre(int position);

// The scale label "1" .. "10" of a position, centred under its knob below a ten-position slider.
ClientRect TenPositionScaleLabelRect(const ClientRect& slider, int position);

// "/StageSlider/%d.png" for a ten-position slider. A position read from a foreign profile file may
// lie outside 1..10; the nearest valid picture is shown.
std::wstring TenPositionSliderImageName(std::uint8_t position);

}  // namespace ravix
