#include "core/editor/MousePicture.h"

#include <array>

#include "core/skin/SkinCatalogue.h"

namespace ravix {

namespace {

// Where the button overlays lie over the picture, buttons 1..8; their sizes are the skin's.
constexpr std::array<ClientPoint, 8> kFrontOverlayPlaces = {
    {{335, 96}, {509, 97}, {467, 159}, {334, 145}, {334, 169}, {467, 215}, {334, 220}, {333, 257}}};
constexpr std::array<ClientPoint, 8> kSideOverlayPlaces = {
    {{360, 84}, {471, 92}, {501, 170}, {359, 159}, {360, 186}, {523, 250}, {357, 219}, {359, 265}}};

bool IsMouseButton(int button) {
    return button >= 1 && button <= 8;
}

}  // namespace

std::wstring_view MousePictureImageName(MouseView view) {
    return view == MouseView::Front ? L"/Mouse/Front/MouseFront.png" : L"/Mouse/Side/MouseSide.png";
}

ClientPoint MousePictureOrigin(MouseView view) {
    return view == MouseView::Front ? ClientPoint{335, 58} : ClientPoint{362, 59};
}

ClientRect MouseOverlayRect(MouseView view, int button) {
    if (!IsMouseButton(button)) return {};
    const auto& places = view == MouseView::Front ? kFrontOverlayPlaces : kSideOverlayPlaces;
    const ClientPoint at = places[static_cast<std::size_t>(button - 1)];
    const SkinImageSize size = SkinImageSizeOf(MouseOverlayImageName(view, button, ImageState::Normal));
    return {at.x, at.y, at.x + size.width, at.y + size.height};
}

std::wstring MouseOverlayImageName(MouseView view, int button, ImageState state) {
    if (!IsMouseButton(button)) return {};
    const std::wstring base = view == MouseView::Front ? L"/Mouse/Front/F-" : L"/Mouse/Side/S-";
    return StateImageName(base + std::to_wstring(button), state);
}

}  // namespace ravix
