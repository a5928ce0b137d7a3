#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/TextCatalogue.h"
#include "core/editor/ClientGeometry.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The Lighting page: one row per effect (1 Standard, 2 Breathing, 3 Spectrum Cycle) with a radio
// image, a caption and a five-position slider. Places are given from the body's top-left corner.
inline constexpr int kLightingRows = 3;
inline constexpr int kLightingPositions = 5;

ClientRect LightingRadioRect(ClientPoint body, int row);
ClientRect LightingSliderRect(ClientPoint body, int row);
// Right of the radio, vertically centred on the row.
ClientRect LightingCaptionRect(ClientPoint body, int row);
const std::wstring& LightingCaption(const TextCatalogue& texts, int row);

// The scale under a row's slider, one label centred under each position's knob.
std::wstring_view LightingScaleLabel(int row, int position);
ClientRect LightingScaleLabelRect(ClientPoint body, int row, int position);

// "/Enable.png" for the chosen effect's row, "/Disable.png" for the others (all of them when no
// effect, or one this page does not know, is stored).
std::wstring_view LightingRadioImageName(const ProfileSettings& settings, int row);
// "/Lighting/%d.png" for the row's stored position, the nearest valid one for a foreign value.
std::wstring LightingSliderImageName(const ProfileSettings& settings, int row);

// What a press inside the body changed: the chosen effect (every radio needs redrawing) or one
// row's position (that slider needs redrawing). A press that changes no value changes nothing.
enum class LightingChange { None, Effect, Position };
struct LightingPress {
    LightingChange change = LightingChange::None;
    int row = 0;
};
LightingPress PressLighting(ProfileSettings& settings, ClientPoint body, ClientPoint press);

}  // namespace ravix
