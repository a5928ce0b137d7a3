#include "core/store/ProfileFiles.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "core/app/ModulePaths.h"
#include "core/app/TextCatalogue.h"
#include "core/platform/DecimalText.h"
#include "core/platform/IniDocument.h"

namespace ravix {
namespace {

const std::wstring kListSection = L"Profile";

std::wstring Beside(const ProfileFilePorts& ports, const std::wstring& name) {
    return PathBesideExecutable(ports.executablePath, name);
}

std::wstring ConfigFileName(int index) {
    return L"config" + std::to_wstring(index) + L".bin";
}
std::wstring TextFileName(int index) {
    return L"str" + std::to_wstring(index) + L".ini";
}

void SetSharedPaths(const ProfileFilePorts& ports, ProfileFileState& state) {
    state.listPath = Beside(ports, L"str.ini");
    state.libraryPath = Beside(ports, L"record.ini");
}

void SetCurrentProfilePaths(const ProfileFilePorts& ports, ProfileFileState& state) {
    state.configPath = Beside(ports, ConfigFileName(state.listIndex));
    state.textPath = Beside(ports, TextFileName(state.listIndex));
}

// A configuration file's bytes. A missing file is reported to the user; a file of any other
// size than a configuration file's, or one that cannot be read, is ignored without a word.
std::optional<ConfigFileBytes> ReadConfigFile(const ProfileFilePorts& ports, const std::wstring& path) {
    if (!ports.files.Exists(path)) {
        ports.notifier.ShowMessage(std::wstring(kConfigMissingMessage),
                                   ApplicationName(ports.executablePath));
        return std::nullopt;
    }
    const FileContents contents = ports.files.Read(path, kConfigFileBytes);
    if (contents.status != FileContents::Status::Ok || contents.bytes.size() != kConfigFileBytes)
        return std::nullopt;
    ConfigFileBytes bytes;
    std::copy(contents.bytes.begin(), contents.bytes.end(), bytes.begin());
    return bytes;
}

// Takes the settings of a configuration file; `count` bytes of them from the start.
void TakeSettings(const ConfigFileBytes& bytes, std::size_t count, ProfileFileState& state,
                  ProfileSettings& settings) {
    state.firstRunFlag = bytes[0];
    std::memcpy(&settings, bytes.data() + 1, count);
    // A profile number beyond the mouse's six would address memory past the device image; the
    // file belongs to its list position, so that is its profile.
    if (settings.profile >= kMaxProfiles) settings.profile = static_cast<std::uint8_t>(state.listIndex);
}

bool EndsWithBin(std::wstring_view path) {
    return path.size() >= 4 && IniNamesEqual(path.substr(path.size() - 4), L".bin");
}

// The text file that goes with a profile file: the same name with ".ini" for ".bin".
std::wstring CompanionTextPath(std::wstring_view binPath) {
    return std::wstring(binPath.substr(0, binPath.size() - 4)) + L".ini";
}

std::wstring FileNameOf(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return std::wstring(separator == std::wstring_view::npos ? path : path.substr(separator + 1));
}

bool SameFolder(std::wstring_view a, std::wstring_view b) {
    std::wstring folderA = ExecutableFolder(a), folderB = ExecutableFolder(b);
    std::replace(folderA.begin(), folderA.end(), L'/', L'\\');
    std::replace(folderB.begin(), folderB.end(), L'/', L'\\');
    return IniNamesEqual(folderA, folderB);
}

// Whether a profile file of this name, or its companion text file, would replace one of the
// program's own files beside the executable.
bool IsProgramFileName(std::wstring_view binName) {
    std::vector<std::wstring> reserved = {L"config.bin", L"str.bin", L"record.bin"};
    for (int index = 0; index < kMaxProfiles; ++index) {
        reserved.push_back(ConfigFileName(index));
        reserved.push_back(L"str" + std::to_wstring(index) + L".bin");
    }
    return std::any_of(reserved.begin(), reserved.end(),
                       [binName](const std::wstring& name) { return IniNamesEqual(name, binName); });
}

}  // namespace

ConfigFileBytes ConfigFileBytesOf(const ProfileSettings& settings, std::uint8_t firstRunFlag) {
    ConfigFileBytes bytes;
    bytes[0] = firstRunFlag;
    const auto settingsBytes = BytesOf(settings);
    std::copy(settingsBytes.begin(), settingsBytes.end(), bytes.begin() + 1);
    return bytes;
}

bool WriteConfigFile(const ProfileFilePorts& ports, const std::wstring& path, const ProfileSettings& settings) {
    const int error = ports.files.Replace(path, ConfigFileBytesOf(settings, 1));
    if (error != 0) {
        ports.notifier.ShowMessage(L"Error Code is: " + std::to_wstring(error) + L" \n", L"NULL ==fp ");
        return false;
    }
    return true;
}

bool LoadCurrentProfile(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings) {
    SetSharedPaths(ports, state);
    if (state.resetMode) {
        state.configPath = Beside(ports, L"config.bin");
        state.textPath = state.listPath;
    } else {
        const std::wstring current = ports.ini.ReadString(state.listPath, kListSection, L"CurProfileName");
        const int count = LeadingDecimal(ports.ini.ReadString(state.listPath, kListSection, L"ItemCount"));
        if (count == 0 || count > kMaxProfiles) return false;
        // The last entry of that name wins; a negative count keeps the current index.
        for (int i = 0; i < count; ++i) {
            if (ports.ini.ReadString(state.listPath, kListSection, L"Item" + std::to_wstring(i)) == current) {
                state.listIndex = i;
            }
        }
        SetCurrentProfilePaths(ports, state);
    }
    const auto bytes = ReadConfigFile(ports, state.configPath);
    if (!bytes) return false;
    // A reset replaces only the settings part and keeps the macro slot images.
    TakeSettings(*bytes, state.resetMode ? ProfileSettings::kSettingsPartBytes : sizeof(ProfileSettings),
                 state, settings);
    return true;
}

ProfileText ReadProfileText(const IniFile& ini, const std::wstring& textPath,
                            const std::wstring& labelSection) {
    ProfileText text;
    if (textPath.empty()) return text;
    for (std::size_t i = 0; i < text.labels.size(); ++i) {
        text.labels[i] = ini.ReadString(textPath, labelSection, L"Item" + std::to_wstring(i + 1));
    }
    text.skin = ReadSkinKeys(ini, textPath);
    return text;
}

bool SaveCurrentProfile(const ProfileFilePorts& ports, ProfileFileState& state,
                        const ProfileSettings& settings) {
    SetCurrentProfilePaths(ports, state);
    if (!ports.files.Exists(state.configPath)) {
        ports.notifier.ShowMessage(std::wstring(kConfigMissingMessage),
                                   ApplicationName(ports.executablePath));
        return false;
    }
    return WriteConfigFile(ports, state.configPath, settings);
}

void WriteLabels(IniFile& ini, const std::wstring& textPath, const std::wstring& labelSection,
                 const ButtonLabels& labels) {
    if (textPath.empty()) return;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        ini.WriteString(textPath, labelSection, L"Item" + std::to_wstring(i + 1), labels[i]);
    }
}

bool ImportProfile(const ProfileFilePorts& ports, ProfileFileDialogs& dialogs, ProfileFileState& state,
                   ProfileSettings& settings, ProfileText& text, const std::wstring& labelSection) {
    const auto chosen = dialogs.ChooseFileToImport(state.configPath);
    if (!chosen || !EndsWithBin(*chosen)) return false;
    state.configPath = *chosen;
    const auto bytes = ReadConfigFile(ports, *chosen);
    if (!bytes) return false;
    TakeSettings(*bytes, sizeof(ProfileSettings), state, settings);
    // The imported profile takes the place of the current one, whatever number it had.
    settings.profile = static_cast<std::uint8_t>(state.listIndex);
    text = ReadProfileText(ports.ini, CompanionTextPath(*chosen), labelSection);
    SetSharedPaths(ports, state);
    SetCurrentProfilePaths(ports, state);
    WriteLabels(ports.ini, state.textPath, labelSection, text.labels);
    return WriteConfigFile(ports, state.configPath, settings);
}

bool ExportProfile(const ProfileFilePorts& ports, ProfileFileDialogs& dialogs, ProfileFileState& state,
                   const ProfileSettings& settings, const ButtonLabels& labels,
                   const std::wstring& labelSection) {
    const auto chosen = dialogs.ChooseFileToExport(state.configPath);
    if (!chosen) return false;
    const std::wstring path = EndsWithBin(*chosen) ? *chosen : *chosen + L".bin";
    WriteLabels(ports.ini, CompanionTextPath(path), labelSection, labels);
    const bool written = WriteConfigFile(ports, path, settings);

    // A second copy beside the program, unless that is where the first went, or the name is one
    // of the program's own files (exporting as "config.bin" must not replace the factory file).
    const std::wstring name = FileNameOf(path);
    state.configPath = path;
    if (!SameFolder(path, ports.executablePath) && !IsProgramFileName(name)) {
        const std::wstring copy = Beside(ports, name);
        WriteLabels(ports.ini, CompanionTextPath(copy), labelSection, labels);
        WriteConfigFile(ports, copy, settings);
        state.configPath = copy;  // so that the next dialog proposes this name
    }
    state.textPath = Beside(ports, TextFileName(state.listIndex));
    return written;
}

ButtonLabels DefaultButtonLabels(Language language) {
    const TextCatalogue texts = TextCatalogueFor(language);
    return {texts.click,      texts.menu,     texts.middleButton, texts.scrollUp,
            texts.scrollDown, texts.dpiLoop,  texts.forward,      texts.backward};
}

bool ApplyFirstRunLabels(IniFile& ini, const ProfileFileState& state, Language language,
                         ButtonLabels& labels) {
    if (state.firstRunFlag != 0) return false;
    labels = DefaultButtonLabels(language);
    WriteLabels(ini, state.textPath, LabelSection(language), labels);
    return true;
}

}  // namespace ravix
