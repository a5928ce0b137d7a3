#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/ColourControls.h"
#include "core/platform/IniFile.h"

namespace ravix {

// The LED colour dialog's skin description: five bitmap sheets the size of the whole dialog and
// the placements of its fifteen controls.

enum class ColourSheet { Mask, Normal, Over, Down, Disable };
inline constexpr std::size_t kColourSheetCount = 5;
inline constexpr std::size_t kColourControlCount = 15;

// The key of a sheet in section "SCREEN".
std::wstring_view ColourSheetKey(ColourSheet sheet);

// One "BUTTONPOS" value: "name,x,y,width,height,label". The rectangle is (x, y, x + width,
// y + height); a value without four numbers, or with a size below one pixel or beyond any screen,
// gives an empty rectangle and is faulty. A name above 39 or a label above 99 characters is faulty
// too, though its rectangle is still used.
struct ControlPlacement {
    PixelRect rect;
    bool faulty = false;
};
inline constexpr std::size_t kPlacementNameLimit = 39;
inline constexpr std::size_t kPlacementLabelLimit = 99;
ControlPlacement ParsePlacement(std::wstring_view value);

struct ColourSelectSkin {
    std::wstring descriptionPath;
    std::array<std::wstring, kColourSheetCount> sheetPaths;  // "" for a sheet the file does not name
    std::array<PixelRect, kColourControlCount> placements;   // by key "1" to "15"
    bool faulty = false;                                     // a missing sheet name or a faulty placement
};

// Reads "skin_Color_Select.ini" of the skin folder. Any content, or none, gives a description.
ColourSelectSkin ReadColourSelectSkin(const IniFile& ini, const std::wstring& skinFolder);

// What the dialog tells the user, once, when it had to open with what it could draw.
std::wstring ColourSkinFaultMessage(const std::vector<std::wstring>& wrongFiles);

}  // namespace ravix
