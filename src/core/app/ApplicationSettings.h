#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/IniFile.h"

namespace ravix {

// The user's preferences kept in section "Skins" of the current profile's text file: the
// language, the skin folder and the caption colour. The program reads them; it never writes them.

enum class Language { English, SimplifiedChinese, TraditionalChinese };

// "CHS" and "CHT" exactly (case matters); anything else, the empty code included, is English.
Language LanguageOf(std::wstring_view languageCode);

// The section of the profile text file that holds the button labels in that language.
std::wstring LabelSection(Language language);

// The LanguageCode: key "Lan", or "" when no profile text file is chosen.
std::wstring ReadLanguage(const IniFile& ini, const std::wstring& textPath);

// The raw key texts, as the main window keeps them until they are applied at start-up.
struct SkinKeys {
    std::wstring path, red, green, blue;
    bool operator==(const SkinKeys&) const = default;
};

SkinKeys ReadSkinKeys(const IniFile& ini, const std::wstring& textPath);

struct SkinTextColour {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const SkinTextColour&) const = default;
};

// Each key as a decimal number with its low eight bits kept ("300" is 44); no number is 0.
SkinTextColour SkinTextColourOf(const SkinKeys& keys);

// The skin folder: "Skins" beside the executable, then the "Path" value. A value that would lead
// out of the "Skins" folder (an absolute path, a drive, a ".." step) or that no file system could hold
// (a part longer than 255 characters) is not followed: the "Skins"
// folder itself is used, as for an empty value.
std::wstring SkinFolderOf(std::wstring_view executablePath, std::wstring_view pathKey);

// One key of section "Skins"; "" when no profile text file is chosen.
std::wstring ReadSkinsKey(const IniFile& ini, const std::wstring& textPath, const std::wstring& key);

}  // namespace ravix
