#include "core/editor/AngleSnap.h"

#include <algorithm>

#include "core/editor/SliderPositions.h"
#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

constexpr int kPictureWidth = 207, kPictureHeight = 85;

}  // namespace

ClientRect AngleSnapPictureRect(ClientPoint body) {
    return RectAt(body, 20, 10, 20 + kPictureWidth, 10 + kPictureHeight);
}

ClientRect AngleSnapSliderRect(ClientPoint body) {
    return RectAt(body, 20, 106, 20 + kTenPositionSliderWidth, 106 + kTenPositionSliderHeight);
}

std::wstring AngleSnapPictureName(const ProfileSettings& settings) {
    return NumberedImageName(L"/AngleSnap/%d.png", std::clamp<int>(settings.angleSnap, 1, 10));
}

bool PressAngleSnap(ProfileSettings& settings, ClientPoint body, ClientPoint press) {
    return PressTenPositionSlider(settings.angleSnap, AngleSnapSliderRect(body), press);
}

}  // namespace ravix
