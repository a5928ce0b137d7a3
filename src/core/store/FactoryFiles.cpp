#include "core/store/FactoryFiles.h"

#include <array>

#include "core/platform/IniDocument.h"
#include "core/store/ProfileFiles.h"

namespace ravix {
namespace {

// ActionType of the eight buttons, and what the wheel and DPI choices of some of them mean.
constexpr std::array<std::uint8_t, 8> kFactoryActions = {0, 1, 2, 2, 2, 6, 3, 4};
constexpr std::uint8_t kWheelMiddle = 1, kWheelUp = 2, kWheelDown = 3;
constexpr std::uint8_t kDpiLoop = 3;

// First run: the labels are set in the user's language when the pages are first filled.
std::vector<std::uint8_t> FactoryConfigBytes(std::uint8_t profile) {
    const ConfigFileBytes bytes = ConfigFileBytesOf(FactorySettings(profile), 0);
    return {bytes.begin(), bytes.end()};
}

void SetSkinKeys(IniDocument& text) {
    text.Set(L"Skins", L"Lan", L"EN");
    text.Set(L"Skins", L"Path", kDefaultSkinName);
    text.Set(L"Skins", L"RColor", std::to_wstring(kDefaultCaptionColour.red));
    text.Set(L"Skins", L"GColor", std::to_wstring(kDefaultCaptionColour.green));
    text.Set(L"Skins", L"BColor", std::to_wstring(kDefaultCaptionColour.blue));
}

// The factory text file: the profile list, the labels a reset restores in each language, and the
// settings keys.
std::vector<std::uint8_t> ListFileBytes() {
    IniDocument text;
    text.Set(L"Profile", L"ItemCount", L"1");
    text.Set(L"Profile", L"Item0", kFactoryProfileName);
    text.Set(L"Profile", L"CurProfileName", kFactoryProfileName);
    for (const Language language :
         {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const ButtonLabels labels = DefaultButtonLabels(language);
        for (std::size_t i = 0; i < labels.size(); ++i)
            text.Set(LabelSection(language), L"Item" + std::to_wstring(i + 1), labels[i]);
    }
    SetSkinKeys(text);
    return text.Serialize();
}

// A profile's text file holds only the settings keys: its labels are set on first use.
std::vector<std::uint8_t> ProfileTextBytes() {
    IniDocument text;
    SetSkinKeys(text);
    return text.Serialize();
}

// A library without macros, marked as UTF-16 so that the names written into it later keep
// every language.
std::vector<std::uint8_t> EmptyLibraryBytes() {
    return {0xFF, 0xFE};
}

}  // namespace

ProfileSettings FactorySettings(std::uint8_t profile) {
    ProfileSettings settings{};
    settings.profile = profile;
    settings.reportRate = 1;                        // 1000 Hz
    settings.dpiLevel = {16, 32, 48, 64, 80, 100};  // 800 .. 3200 DPI; stages 5, 6 are not used
    // Red, blue, green order: red, green, blue, yellow, cyan, magenta.
    settings.dpiColour = {{{0xFF, 0x00, 0x00},
                           {0x00, 0x00, 0xFF},
                           {0x00, 0xFF, 0x00},
                           {0xFF, 0x00, 0xFF},
                           {0x00, 0xFF, 0xFF},
                           {0xFF, 0xFF, 0x00}}};
    settings.lightingEffect = 3;  // spectrum cycle
    settings.standardBrightness = 5;
    settings.breathingPeriod = 1;
    settings.spectrumPeriod = 2;  // 6 s
    settings.enhancePointerPrecision = 1;
    settings.wheelScrollsScreen = 0;
    settings.pointerSpeed = 6;  // speed 10, the system's default
    settings.wheelScrollLines = 3;
    settings.doubleClickSpeed = 7;  // 480 ms
    settings.angleSnap = 1;         // off
    settings.xSensitivity = 5;
    settings.ySensitivity = 5;
    settings.actionType = kFactoryActions;
    settings.wheelChoice[2] = kWheelMiddle;
    settings.wheelChoice[3] = kWheelUp;
    settings.wheelChoice[4] = kWheelDown;
    settings.dpiChoice[5] = kDpiLoop;
    return settings;
}

std::vector<FactoryFile> FactoryFiles() {
    std::vector<FactoryFile> files = {{L"config.bin", FactoryConfigBytes(0)}, {L"str.ini", ListFileBytes()}};
    for (int i = 0; i < kMaxProfiles; ++i)
        files.push_back({ConfigFileName(i), FactoryConfigBytes(static_cast<std::uint8_t>(i))});
    const std::vector<std::uint8_t> profileText = ProfileTextBytes();
    for (int i = 0; i < kMaxProfiles; ++i) files.push_back({TextFileName(i), profileText});
    files.push_back({L"record.ini", EmptyLibraryBytes()});
    return files;
}

bool WriteFactoryFiles(const std::wstring& folder, BinaryFiles& files, std::wstring& failedFile, int& error) {
    const std::wstring prefix =
        folder.empty() || folder.back() == L'/' || folder.back() == L'\\' ? folder : folder + L"/";
    for (const FactoryFile& file : FactoryFiles()) {
        error = files.Replace(prefix + file.name, file.bytes);
        if (error != 0) {
            failedFile = prefix + file.name;
            return false;
        }
    }
    return true;
}

}  // namespace ravix
