#pragma once

#include <optional>

#include "core/app/TextCatalogue.h"
#include "core/editor/ClientGeometry.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The X/Y Sensitivity Setting page of the left panel: one ten-position slider per axis with its
// caption above and the scale "1" .. "10" below. Places are given from the body's top-left corner.
enum class Axis { X, Y };

ClientRect SensitivitySliderRect(ClientPoint body, Axis axis);
ClientRect SensitivityCaptionRect(ClientPoint body, Axis axis);
const std::wstring& SensitivityCaption(const TextCatalogue& texts, Axis axis);
std::uint8_t SensitivityOf(const ProfileSettings& settings, Axis axis);

// Stores the position a press on a slider gives; the axis whose position changed, if any.
std::optional<Axis> PressSensitivity(ProfileSettings& settings, ClientPoint body, ClientPoint press);

}  // namespace ravix
