#include "core/editor/Sensitivity.h"

#include "core/editor/SliderPositions.h"

namespace ravix {
namespace {

constexpr int kSliderLeft = 17;

int SliderTop(Axis axis) {
    return axis == Axis::X ? 40 : 100;
}

std::uint8_t& Stored(ProfileSettings& settings, Axis axis) {
    return axis == Axis::X ? settings.xSensitivity : settings.ySensitivity;
}

}  // namespace

ClientRect SensitivitySliderRect(ClientPoint body, Axis axis) {
    const int top = SliderTop(axis);
    return RectAt(body, kSliderLeft, top, kSliderLeft + kTenPositionSliderWidth, top + kTenPositionSliderHeight);
}

ClientRect SensitivityCaptionRect(ClientPoint body, Axis axis) {
    const int top = SliderTop(axis);
    return RectAt(body, kSliderLeft, top - 20, kSliderLeft + kTenPositionSliderWidth, top - 4);
}

const std::wstring& SensitivityCaption(const TextCatalogue& texts, Axis axis) {
    return axis == Axis::X ? texts.xAxis : texts.yAxis;
}

std::uint8_t SensitivityOf(const ProfileSettings& settings, Axis axis) {
    return axis == Axis::X ? settings.xSensitivity : settings.ySensitivity;
}

std::optional<Axis> PressSensitivity(ProfileSettings& settings, ClientPoint body, ClientPoint press) {
    for (Axis axis : {Axis::X, Axis::Y})
        if (PressTenPositionSlider(Stored(settings, axis), SensitivitySliderRect(body, axis), press)) return axis;
    return std::nullopt;
}

}  // namespace ravix
