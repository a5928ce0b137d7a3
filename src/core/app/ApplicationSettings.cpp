#include "core/app/ApplicationSettings.h"

#include <algorithm>

#include "core/app/ModulePaths.h"
#include "core/platform/DecimalText.h"

namespace ravix {
namespace {

std::uint8_t LowByteOf(const std::wstring& text) {
    return static_cast<std::uint8_t>(LeadingDecimal(text) & 0xFF);
}

constexpr std::size_t kLongestFileName = 255;

bool IsFolderInsideSkins(std::wstring_view name) {
    if (name.empty()) return true;
    if (name.front() == L'\\' || name.front() == L'/' || name.find(L':') != std::wstring_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of(L"\\/", start), name.size());
        const std::wstring_view part = name.substr(start, end - start);
        // No file system holds a longer name: such a value names no folder under "Skins".
        if (part == L".." || part.size() > kLongestFileName) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

Language LanguageOf(std::wstring_view languageCode) {
    if (languageCode == L"CHS") return Language::SimplifiedChinese;
    if (languageCode == L"CHT") return Language::TraditionalChinese;
    return Language::English;
}

std::wstring LabelSection(Language language) {
    switch (language) {
        case Language::SimplifiedChinese:
            return L"Setting-CHS";
        case Language::TraditionalChinese:
            return L"Setting-CHT";
        case Language::English:
            break;
    }
    return L"Setting-EN";
}

std::wstring ReadSkinsKey(const IniFile& ini, const std::wstring& textPath, const std::wstring& key) {
    if (textPath.empty()) return {};
    return ini.ReadString(textPath, L"Skins", key);
}

std::wstring ReadLanguage(const IniFile& ini, const std::wstring& textPath) {
    return ReadSkinsKey(ini, textPath, L"Lan");
}

SkinKeys ReadSkinKeys(const IniFile& ini, const std::wstring& textPath) {
    return {ReadSkinsKey(ini, textPath, L"Path"), ReadSkinsKey(ini, textPath, L"RColor"),
            ReadSkinsKey(ini, textPath, L"GColor"), ReadSkinsKey(ini, textPath, L"BColor")};
}

SkinTextColour SkinTextColourOf(const SkinKeys& keys) {
    return {LowByteOf(keys.red), LowByteOf(keys.green), LowByteOf(keys.blue)};
}

std::wstring SkinFolderOf(std::wstring_view executablePath, std::wstring_view pathKey) {
    const std::wstring_view name = IsFolderInsideSkins(pathKey) ? pathKey : std::wstring_view{};
    return PathBesideExecutable(executablePath, L"Skins/" + std::wstring(name));
}

}  // namespace ravix
