#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// Every image the program loads from a skin folder, with the size its window's layout needs. A
// skin must supply each of them; the default skin's generator draws them at these sizes and the
// tests check the generated files against this list.
//
// Placements that the layout leaves to the skin: "/BK_MainLeft.png" lies under the left panel from
// its first header down to the bottom strip (20, 107), "/BK_MainRight.png" under the right panel
// from (734, 32), "/BK_MainMid.png" on the mouse picture area (262, 32). Section bodies are as tall
// as the controls placed in them, and together fit the panels in every arrangement of expanded
// sections.
struct SkinImageSize {
    std::wstring name;
    int width = 0;
    int height = 0;
};

// A family of images with one number in the name, one file per value the setting can take.
struct NumberedImageFamily {
    std::wstring format;  // with "%d" for the number
    std::vector<int> numbers;
    int width = 0;
    int height = 0;
};

std::vector<SkinImageSize> SingleSkinImages();
std::vector<NumberedImageFamily> NumberedSkinImages();

// Both lists together, every numbered family expanded into its files.
std::vector<SkinImageSize> AllSkinImages();

// The size an image of the catalogue needs; width and height 0 for a name that is not in it.
SkinImageSize SkinImageSizeOf(std::wstring_view name);

// The LED colour dialog's description file in the skin folder and its size.
inline constexpr std::wstring_view kColourDialogDescription = L"skin_Color_Select.ini";
inline constexpr int kColourDialogWidth = 380;
inline constexpr int kColourDialogHeight = 340;

}  // namespace ravix
