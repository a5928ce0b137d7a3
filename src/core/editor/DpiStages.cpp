#include "core/editor/DpiStages.h"

#include <algorithm>
#include <array>

#include "core/platform/DecimalText.h"
#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

// Left edges of the stages' sliders and swatches, and of their edit boxes.
constexpr std::array<int, kEditedDpiStages> kSliderLeft = {41, 91, 151, 201};
constexpr std::array<int, kEditedDpiStages> kEditBoxLeft = {26, 76, 136, 186};
// The slider's lowest rows give the lowest level.
constexpr int kSliderFoot = 3;

bool IsStage(int stage) {
    return stage >= 1 && stage <= kEditedDpiStages;
}

std::size_t IndexOf(int stage) {
    return static_cast<std::size_t>(std::clamp(stage, 1, kEditedDpiStages) - 1);
}

template <typename RectOf>
std::optional<int> StageAt(ClientPoint point, RectOf rectOf) {
    for (int stage = 1; stage <= kEditedDpiStages; ++stage)
        if (rectOf(stage).Contains(point)) return stage;
    return std::nullopt;
}

}  // namespace

ClientRect DpiSliderRect(ClientPoint body, int stage) {
    const int left = kSliderLeft[IndexOf(stage)];
    return RectAt(body, left, 38, left + 10, 151);
}

ClientRect DpiEditBoxRect(ClientPoint body, int stage) {
    const int left = kEditBoxLeft[IndexOf(stage)];
    return RectAt(body, left, 168, left + 40, 184);
}

ClientRect DpiSwatchRect(ClientPoint body, int stage) {
    const int left = kSliderLeft[IndexOf(stage)];
    return RectAt(body, left, 203, left + 10, 213);
}

std::optional<int> DpiStageOfEditBox(int controlId) {
    const int stage = controlId - DpiEditBoxId(0);
    return IsStage(stage) ? std::optional(stage) : std::nullopt;
}

std::optional<int> DpiStageOfSwatch(int controlId) {
    const int stage = controlId - DpiSwatchId(0);
    return IsStage(stage) ? std::optional(stage) : std::nullopt;
}

DpiCaption DpiGroupCaption(ClientPoint body, int group, const TextCatalogue& texts) {
    if (group == 1) return {RectAt(body, 31, 13, 126, 32), &texts.dpiSwitchDown};
    return {RectAt(body, 141, 13, 226, 32), &texts.dpiSwitchUp};
}

std::optional<int> DpiSliderAt(ClientPoint body, ClientPoint point) {
    return StageAt(point, [&](int stage) { return DpiSliderRect(body, stage); });
}

std::optional<int> DpiSwatchAt(ClientPoint body, ClientPoint point) {
    return StageAt(point, [&](int stage) { return DpiSwatchRect(body, stage); });
}

int DpiLevelAt(int y, const ClientRect& slider) {
    const int h = slider.bottom - y - kSliderFoot;
    if (h < 0) return 1;
    return std::min(h + 2, kHighestDpiLevel);
}

std::wstring DpiStageImageName(std::uint8_t level) {
    return NumberedImageName(L"/DPISetting/DPIStage/%d.png", std::clamp<int>(level, 1, kHighestDpiLevel));
}

DpiBoxReading ReadDpiBox(std::wstring_view text) {
    const int typed = LeadingDecimal(text);
    const int dpi = std::clamp(typed, kLowestDpi, kHighestDpi);
    DpiBoxReading reading{static_cast<std::uint8_t>(dpi / kDpiPerLevel), std::nullopt};
    if (dpi != typed) reading.correction = std::to_wstring(dpi);
    return reading;
}

std::wstring DpiBoxText(int level) {
    return std::to_wstring(level * kDpiPerLevel);
}

std::uint32_t StageColourRef(const ProfileSettings& settings, int stage) {
    const auto& c = settings.dpiColour[IndexOf(stage)];  // red, blue, green
    return c[0] | (std::uint32_t{c[2]} << 8) | (std::uint32_t{c[1]} << 16);
}

void StoreStageColour(ProfileSettings& settings, int stage, std::uint32_t colourRef) {
    if (!IsStage(stage)) return;
    auto& c = settings.dpiColour[IndexOf(stage)];
    c = {static_cast<std::uint8_t>(colourRef), static_cast<std::uint8_t>(colourRef >> 16),
         static_cast<std::uint8_t>(colourRef >> 8)};
}

}  // namespace ravix
