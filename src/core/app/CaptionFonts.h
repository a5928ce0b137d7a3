#pragma once

#include <cstdint>
#include <string>

#include "core/app/ApplicationSettings.h"

namespace ravix {

// A font as the windows create it. Width, escapement, orientation, italic, underline, strike-out
// and the two precisions are always 0 (the defaults).
struct FontChoice {
    std::wstring face;
    int height = 0;
    int weight = 0;  // 0: the default weight
    std::uint8_t charSet = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0x20;

    bool operator==(const FontChoice&) const = default;
};

// The windows that create a caption font of their own.
enum class FontWindow {
    MainWindow,            // CVarnixDlg
    Dialog,                // CComboDialog, CSingleDialog, CHelpDialog, CMacroProgramDialog
    MacroAssignment,       // CMacroDialog
    ProfileManager,        // CConfigDialog
    ColourDialog,          // CSelctColor
    ColourDialogButtons,   // CSelctColor's two text buttons
};

// The operating system's version as its version query reports it.
struct OsVersion {
    unsigned major = 0;
    unsigned minor = 0;
};

// Windows 8 reports 6.2; later versions report 6.2 as well to a program that does not declare them,
// and their own number otherwise. Either way they get the newer Chinese face.
bool IsWindows8OrLater(OsVersion version);

FontChoice CaptionFont(FontWindow window, Language language, OsVersion version);

// Fonts that do not depend on the language.
FontChoice ProfileManagerHeadingFont();  // CConfigDialog's second font
FontChoice MacroListFont();              // CMacroProgramDialog's lists
FontChoice SkinnedFieldFont();           // the skinned edit field and text label
FontChoice ImageButtonFont();            // an image button's default caption font

}  // namespace ravix
