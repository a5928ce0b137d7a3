#pragma once

#include "core/dialogs/ColourControls.h"

namespace ravix {

// The profile manager panel, in its client area: the title, the close button, the list of
// profiles and the bar that adds one.
inline constexpr PixelPoint kProfileManagerPlace{0, 0};  // in the main window, over its left side
inline constexpr PixelRect kProfileTitleRect{10, 0, 160, 31};
inline constexpr PixelPoint kProfileClosePicture{240, 8};
inline constexpr PixelRect kProfileCloseRect{240, 8, 255, 23};
inline constexpr PixelRect kProfileListRect{0, 31, 263, 575};
inline constexpr PixelPoint kNewProfilePicture{14, 582};
inline constexpr PixelRect kNewProfileTextRect{30, 575, 80, 598};
inline constexpr PixelRect kNewProfileRect{0, 575, 263, 598};

// The panel is drawn see-through, at this opacity out of 255.
inline constexpr int kProfileManagerOpacity = 178;

// The commands of the list's context menu.
enum class ProfileMenuCommand : unsigned { Delete = 32789, Rename = 32790, Load = 32792, Save = 32793 };

}  // namespace ravix
