#pragma once

#include <string>

#include "core/editor/ClientGeometry.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The Angle Snap page: a picture of the chosen strength above a ten-position slider with the
// scale "1" .. "10". Places are given from the body's top-left corner.
ClientRect AngleSnapPictureRect(ClientPoint body);
ClientRect AngleSnapSliderRect(ClientPoint body);

// "/AngleSnap/%d.png" for the stored position, the nearest valid one for a foreign value.
std::wstring AngleSnapPictureName(const ProfileSettings& settings);

// Stores the position a press on the slider gives; true when it changed (slider and picture then
// need redrawing).
bool PressAngleSnap(ProfileSettings& settings, ClientPoint body, ClientPoint press);

}  // namespace ravix
