#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/platform/BinaryFiles.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The skin the program is shipped with, and the caption colour its files name.
inline constexpr std::wstring_view kDefaultSkinName = L"Default";
inline constexpr SkinTextColour kDefaultCaptionColour{0, 255, 0};
// The one profile of a fresh installation.
inline constexpr std::wstring_view kFactoryProfileName = L"PROFILE_0";

// The settings a new mouse comes with: 800, 1600, 2400 and 3200 DPI in red, green, blue and yellow,
// 1000 Hz, a spectrum cycle to show the mouse is alive, no angle snap, the system's usual pointer
// settings, and the buttons doing what their default labels say. `profile` is its byte 0.
ProfileSettings FactorySettings(std::uint8_t profile);

struct FactoryFile {
    std::wstring name;
    std::vector<std::uint8_t> bytes;
};

// The files of a fresh installation, in the order they are written: "config.bin" and "str.ini"
// (the profile list, the labels a reset restores and the settings keys), "config0.bin" to
// "config5.bin" (first-run flag 0, byte 1 their number), "str0.ini" to "str5.ini" (the settings
// keys) and an empty macro library "record.ini".
std::vector<FactoryFile> FactoryFiles();

// Writes the factory files into `folder`, each replacing any file of that name whole. Stops at
// the first file that cannot be written and names it in `failedFile` (with the system's error
// code in `error`); true when all were written.
bool WriteFactoryFiles(const std::wstring& folder, BinaryFiles& files, std::wstring& failedFile, int& error);

}  // namespace ravix
