#include "core/editor/MousePicture.h"

#include <array>

namespace ravix {

namespace {

constexpr std::array<ClientRect, 8> kFrontOverlays = {{{335, 96, 429, 158},
                                                       {509, 97, 603, 159},
                                                       {467, 159, 603, 184},
                                                       {334, 145, 477, 170},
                                                       {334, 169, 477, 194},
                                                       {467, 215, 603, 240},
                                                       {334, 220, 399, 245},
                                                       {333, 257, 404, 282}}};
constexpr std::array<ClientRect, 8> kSideOverlays = {{{360, 84, 467, 109},
                                                      {471, 92, 573, 150},
                                                      {501, 170, 574, 195},
                                                      {359, 159, 500, 184},
                                                      {360, 186, 514, 211},
                                                      {523, 250, 572, 275},
                                                      {357, 219, 475, 244},
                                                      {359, 265, 479, 290}}};

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
    const auto& overlays = view == MouseView::Front ? kFrontOverlays : kSideOverlays;
    return overlays[static_cast<std::size_t>(button - 1)];
}

std::wstring MouseOverlayImageName(MouseView view, int button, ImageState state) {
    if (!IsMouseButton(button)) return {};
    const std::wstring base = view == MouseView::Front ? L"/Mouse/Front/F-" : L"/Mouse/Side/S-";
    return StateImageName(base + std::to_wstring(button), state);
}

}  // namespace ravix
