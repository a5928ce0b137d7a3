#include "core/editor/Lighting.h"

#include <algorithm>

#include "core/editor/SliderPositions.h"
#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

constexpr int kRowStep = 29;
constexpr int kRadioLeft = 10, kRadioSize = 10, kRadioHeight = 9;
constexpr int kSliderLeft = 100, kSliderHeight = 8;
constexpr int kCaptionGap = 5, kCaptionWidth = 70;
constexpr int kLabelWidth = 30, kLabelHeight = 12;

int RowTop(int row) {
    return 20 + kRowStep * (std::clamp(row, 1, kLightingRows) - 1);
}

// Where each row's position is stored.
std::uint8_t ProfileSettings::*PositionField(int row) {
    constexpr std::uint8_t ProfileSettings::*kFields[kLightingRows] = {
        &ProfileSettings::standardBrightness, &ProfileSettings::breathingPeriod, &ProfileSettings::spectrumPeriod};
    return kFields[std::clamp(row, 1, kLightingRows) - 1];
}

}  // namespace

ClientRect LightingRadioRect(ClientPoint body, int row) {
    const int top = RowTop(row);
    return RectAt(body, kRadioLeft, top, kRadioLeft + kRadioSize, top + kRadioHeight);
}

ClientRect LightingSliderRect(ClientPoint body, int row) {
    const int top = RowTop(row);
    return RectAt(body, kSliderLeft, top, kSliderLeft + kFivePositionSliderWidth, top + kSliderHeight);
}

ClientRect LightingCaptionRect(ClientPoint body, int row) {
    const ClientRect radio = LightingRadioRect(body, row);
    const int left = radio.right + kCaptionGap;
    return {left, radio.top - 5, left + kCaptionWidth, radio.bottom + 5};
}

const std::wstring& LightingCaption(const TextCatalogue& texts, int row) {
    if (row == 1) return texts.standard;
    if (row == 2) return texts.breathing;
    return texts.spectrumCycle;
}

std::wstring_view LightingScaleLabel(int row, int position) {
    static constexpr std::wstring_view kLabels[kLightingRows][kLightingPositions] = {
        {L"0%", L"25%", L"50%", L"75%", L"100%"},
        {L"4S", L"5S", L"6S", L"7S", L"8S"},
        {L"3S", L"6S", L"9S", L"12S", L"15S"},
    };
    return kLabels[std::clamp(row, 1, kLightingRows) - 1][std::clamp(position, 1, kLightingPositions) - 1];
}

ClientRect LightingScaleLabelRect(ClientPoint body, int row, int position) {
    const ClientRect slider = LightingSliderRect(body, row);
    // The first two knobs stand only 16 pixels apart: the first label moves left of the slider's
    // foot so that the two do not run together.
    const int centre = position <= 1 ? slider.left - 4 : slider.left + FivePositionCentre(position);
    return {centre - kLabelWidth / 2, slider.bottom + 1, centre + kLabelWidth / 2, slider.bottom + 1 + kLabelHeight};
}

std::wstring_view LightingRadioImageName(const ProfileSettings& settings, int row) {
    return settings.lightingEffect == row ? L"/Enable.png" : L"/Disable.png";
}

std::wstring LightingSliderImageName(const ProfileSettings& settings, int row) {
    const int position = settings.*PositionField(row);
    return NumberedImageName(L"/Lighting/%d.png", std::clamp(position, 1, kLightingPositions));
}

LightingPress PressLighting(ProfileSettings& settings, ClientPoint body, ClientPoint press) {
    for (int row = 1; row <= kLightingRows; ++row) {
        if (LightingRadioRect(body, row).Contains(press)) {
            if (settings.lightingEffect == row) return {};
            settings.lightingEffect = static_cast<std::uint8_t>(row);
            return {LightingChange::Effect, row};
        }
        if (PressFivePositionSlider(settings.*PositionField(row), LightingSliderRect(body, row), press))
            return {LightingChange::Position, row};
    }
    return {};
}

}  // namespace ravix
