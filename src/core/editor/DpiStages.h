#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/TextCatalogue.h"
#include "core/editor/ClientGeometry.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The DPI Setting page: four stages, each with a vertical slider, an edit box with the DPI value
// and a colour swatch. Places are given from the body's top-left corner; stages count from 1.
inline constexpr int kEditedDpiStages = 4;
inline constexpr int kDpiPerLevel = 50;
inline constexpr int kLowestDpi = 100;
inline constexpr int kHighestDpi = 5000;
inline constexpr int kHighestDpiLevel = kHighestDpi / kDpiPerLevel;

ClientRect DpiSliderRect(ClientPoint body, int stage);
ClientRect DpiEditBoxRect(ClientPoint body, int stage);
ClientRect DpiSwatchRect(ClientPoint body, int stage);
constexpr int DpiEditBoxId(int stage) { return 123 + stage; }
constexpr int DpiSwatchId(int stage) { return 70 + stage; }
// The stage whose edit box or swatch has the control id.
std::optional<int> DpiStageOfEditBox(int controlId);
std::optional<int> DpiStageOfSwatch(int controlId);

// The captions over the two groups of stages: the DPI switch down (stages 1, 2) and up (3, 4).
struct DpiCaption {
    ClientRect rect;
    const std::wstring* text;
};
DpiCaption DpiGroupCaption(ClientPoint body, int group, const TextCatalogue& texts);

// The stage whose slider or swatch contains the point.
std::optional<int> DpiSliderAt(ClientPoint body, ClientPoint point);
std::optional<int> DpiSwatchAt(ClientPoint body, ClientPoint point);

// The level a press at height y on a slider gives: 1 in the slider's lowest rows, then one level
// per pixel upwards, at most the highest level.
int DpiLevelAt(int y, const ClientRect& slider);

// "/DPISetting/DPIStage/%d.png" for a level; a level outside 1..100 from a foreign profile file
// shows the nearest valid picture.
std::wstring DpiStageImageName(std::uint8_t level);

// What an edit box's text means: the value of its leading digits, kept inside 100..5000 DPI. A
// value outside replaces the text with the nearest limit; a value inside is left as typed and the
// level is rounded down to a multiple of 50 DPI.
struct DpiBoxReading {
    std::uint8_t level = 0;
    std::optional<std::wstring> correction;
};
DpiBoxReading ReadDpiBox(std::wstring_view text);

// The text the program writes into a box for a level.
std::wstring DpiBoxText(int level);

// A stage's colour as a Windows colour value (red in the low byte, then green, then blue), and
// back. The record keeps each colour as red, blue, green.
std::uint32_t StageColourRef(const ProfileSettings& settings, int stage);
void StoreStageColour(ProfileSettings& settings, int stage, std::uint32_t colourRef);

}  // namespace ravix
