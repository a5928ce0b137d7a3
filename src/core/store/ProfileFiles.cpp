#include "core/store/ProfileFiles.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "core/app/ModulePaths.h"
#include "core/app/TextCatalogue.h"
#include "core/platform/IniDocument.h"
#include "core/store/FactoryFiles.h"
#include "core/store/ProfileManager.h"
#include "core/store/SettingsRanges.h"

namespace ravix {
namespace {

std::wstring Beside(const ProfileFilePorts& ports, const std::wstring& name) {
    return PathBesideExecutable(ports.executablePath, name);
}


void SetSharedPaths(const ProfileFilePorts& ports, ProfileFileState& state) {
    state.listPath = Beside(ports, L"str.ini");
    state.libraryPath = Beside(ports, L"record.ini");
}

void SetCurrentProfilePaths(const ProfileFilePorts& ports, ProfileFileState& state) {
    state.configPath = Beside(ports, ConfigFileName(state.listIndex));
    state.textPath = Beside(ports, TextFileName(state.listIndex));
}

ConfigFileRead Unusable(ConfigFileRead::Problem problem, std::optional<std::size_t> size = std::nullopt) {
    ConfigFileRead read;
    read.problem = problem;
    read.size = size;
    return read;
}

// Why a configuration file cannot be used, in the user's words.
std::wstring ProblemText(const ConfigFileRead& read, const std::wstring& path) {
    using Problem = ConfigFileRead::Problem;
    const std::wstring quoted = L"\"" + path + L"\"";
    switch (read.problem) {
        case Problem::Missing:
            return std::wstring(kConfigMissingMessage);
        case Problem::NotAFile:
            return quoted + L" is not a regular file.";
        case Problem::Unreadable:
            return L"The profile file " + quoted + L" cannot be read.";
        case Problem::WrongSize:
        case Problem::None:
            break;
    }
    const std::wstring size =
        read.size ? L"it has " + std::to_wstring(*read.size) + L" bytes" : std::wstring(L"it is larger");
    return L"The profile file " + quoted + L" is damaged: " + size + L", a profile file has " +
           std::to_wstring(kConfigFileBytes) + L".";
}

// Shows a message about the current profile's files, unless it was the last one shown: reloading
// the same damaged profile does not say it again.
void ReportOnce(const ProfileFilePorts& ports, ProfileFileState& state, const std::wstring& text) {
    if (state.lastReport == text) return;
    state.lastReport = text;
    ports.notifier.ShowMessage(text, ApplicationName(ports.executablePath));
}

// Brings the settings read from `path` into range and says which fields had to be corrected.
void CorrectRanges(const ProfileFilePorts& ports, ProfileFileState& state, const std::wstring& path,
                   ProfileSettings& settings) {
    const std::vector<std::wstring> corrected = BringIntoRange(settings);
    if (corrected.empty()) return;
    std::wstring list;
    for (const std::wstring& name : corrected) list += (list.empty() ? L"" : L", ") + name;
    ReportOnce(
        ports, state,
        L"Values in \"" + path + L"\" were outside their ranges and have been corrected: " + list + L".");
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

// The values a first run starts from: the factory file's, or the built-in factory settings when
// that file is unusable too.
ProfileSettings FactoryStart(const ProfileFilePorts& ports, int listIndex) {
    const auto profile = static_cast<std::uint8_t>(listIndex);
    const ConfigFileRead factory = ReadConfigFile(ports.files, Beside(ports, L"config.bin"));
    ProfileSettings settings = FactorySettings(profile);
    if (factory.problem == ConfigFileRead::Problem::None) {
        settings = SettingsOf(factory.bytes);
        BringIntoRange(settings);
    }
    settings.profile = profile;
    return settings;
}

// Gives a damaged file a free name of its own beside it; the name, or nothing when it cannot be
// moved.
std::optional<std::wstring> SetAside(BinaryFiles& files, const std::wstring& path) {
    for (int attempt = 1; attempt <= 99; ++attempt) {
        const std::wstring aside =
            path + L".damaged" + (attempt == 1 ? std::wstring() : L"-" + std::to_wstring(attempt));
        if (files.Rename(path, aside) == 0) return aside;
        if (files.Read(aside, 0).status == FileContents::Status::Missing) return std::nullopt;
    }
    return std::nullopt;
}

// The current profile's configuration file is missing or unusable: the profile starts from the
// factory values as on a first run. A damaged file is set aside and a fresh one written in its
// place; one that cannot be set aside is never written over.
void StartFromFactory(const ProfileFilePorts& ports, ProfileFileState& state, const ConfigFileRead& read,
                      ProfileSettings& settings) {
    // A missing file leaves the profile number as the mouse gave it, as when nothing is read.
    const std::uint8_t profile = settings.profile;
    settings = FactoryStart(ports, state.listIndex);
    if (read.problem == ConfigFileRead::Problem::Missing && profile < kMaxProfiles)
        settings.profile = profile;
    state.firstRunFlag = 0;
    std::wstring text = ProblemText(read, state.configPath);
    if (read.problem != ConfigFileRead::Problem::Missing) {
        if (const auto aside = SetAside(ports.files, state.configPath)) {
            ports.files.Replace(state.configPath, ConfigFileBytesOf(settings, 0));
            text += L" It was kept as \"" + *aside + L"\", and the profile starts from the factory settings.";
        } else {
            state.keepDamagedConfig = true;
            text +=
                L" It could not be set aside and will not be written over; the profile starts from the "
                L"factory settings.";
        }
    }
    ReportOnce(ports, state, text);
}

// Chooses the current list index from the profile list: the position of the last entry named
// as the current profile, compared exactly.
void ChooseListIndex(const ProfileFilePorts& ports, ProfileFileState& state) {
    const ProfileList list = ReadProfileList(ports.ini, state.listPath);
    if (const std::optional<int> found = FindCurrentProfile(list.names, list.current)) state.listIndex = *found;
}

// A reset's load: the settings part of the factory file, the macro slot images kept. An unusable
// factory file is reported and changes nothing.
bool LoadFactoryFile(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings) {
    state.configPath = Beside(ports, L"config.bin");
    state.textPath = state.listPath;
    const ConfigFileRead read = ReadConfigFile(ports.files, state.configPath);
    if (read.problem != ConfigFileRead::Problem::None) {
        ports.notifier.ShowMessage(ProblemText(read, state.configPath),
                                   ApplicationName(ports.executablePath));
        return false;
    }
    TakeSettings(read.bytes, ProfileSettings::kSettingsPartBytes, state, settings);
    CorrectRanges(ports, state, state.configPath, settings);
    return true;
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

std::wstring ConfigFileName(int index) {
    return L"config" + std::to_wstring(index) + L".bin";
}

std::wstring TextFileName(int index) {
    return L"str" + std::to_wstring(index) + L".ini";
}

ConfigFileRead ReadConfigFile(const BinaryFiles& files, const std::wstring& path) {
    using Problem = ConfigFileRead::Problem;
    const FileContents contents = files.Read(path, kConfigFileBytes);
    switch (contents.status) {
        case FileContents::Status::Missing:
            return Unusable(Problem::Missing);
        case FileContents::Status::NotRegular:
            return Unusable(Problem::NotAFile);
        case FileContents::Status::Unreadable:
            return Unusable(Problem::Unreadable);
        case FileContents::Status::TooLarge:
            return Unusable(Problem::WrongSize);
        case FileContents::Status::Ok:
            break;
    }
    if (contents.bytes.size() != kConfigFileBytes) return Unusable(Problem::WrongSize, contents.bytes.size());
    ConfigFileRead read;
    std::copy(contents.bytes.begin(), contents.bytes.end(), read.bytes.begin());
    return read;
}

ProfileSettings SettingsOf(const ConfigFileBytes& bytes) {
    ProfileSettings settings;
    std::memcpy(&settings, bytes.data() + 1, sizeof settings);
    return settings;
}

ConfigFileBytes ConfigFileBytesOf(const ProfileSettings& settings, std::uint8_t firstRunFlag) {
    ConfigFileBytes bytes;
    bytes[0] = firstRunFlag;
    const auto settingsBytes = BytesOf(settings);
    std::copy(settingsBytes.begin(), settingsBytes.end(), bytes.begin() + 1);
    return bytes;
}

void ShowWriteError(Notifier& notifier, int error) {
    notifier.ShowMessage(L"Error Code is: " + std::to_wstring(error) + L" \n", L"NULL ==fp ");
}

bool WriteConfigFile(const ProfileFilePorts& ports, const std::wstring& path,
                     const ProfileSettings& settings) {
    const int error = ports.files.Replace(path, ConfigFileBytesOf(settings, 1));
    if (error != 0) ShowWriteError(ports.notifier, error);
    return error == 0;
}

bool LoadCurrentProfile(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings) {
    SetSharedPaths(ports, state);
    if (state.resetMode) return LoadFactoryFile(ports, state, settings);
    ChooseListIndex(ports, state);
    SetCurrentProfilePaths(ports, state);
    state.keepDamagedConfig = false;
    const ConfigFileRead read = ReadConfigFile(ports.files, state.configPath);
    if (read.problem != ConfigFileRead::Problem::None) {
        StartFromFactory(ports, state, read, settings);
        return true;
    }
    TakeSettings(read.bytes, sizeof(ProfileSettings), state, settings);
    CorrectRanges(ports, state, state.configPath, settings);
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
    if (state.keepDamagedConfig) {
        ports.notifier.ShowMessage(L"The damaged profile file \"" + state.configPath +
                                       L"\" could not be set aside and was not written over.",
                                   ApplicationName(ports.executablePath));
        return false;
    }
    if (!ports.files.Exists(state.configPath)) {
        ports.notifier.ShowMessage(std::wstring(kConfigMissingMessage),
                                   ApplicationName(ports.executablePath));
        return false;
    }
    return WriteConfigFile(ports, state.configPath, settings);
}

bool WriteLabels(IniFile& ini, const std::wstring& textPath, const std::wstring& labelSection,
                 const ButtonLabels& labels) {
    if (textPath.empty()) return true;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!ini.WriteString(textPath, labelSection, L"Item" + std::to_wstring(i + 1), labels[i]))
            return false;
    }
    return true;
}

bool SaveLabels(const ProfileFilePorts& ports, const std::wstring& textPath, const std::wstring& labelSection,
                const ButtonLabels& labels) {
    if (WriteLabels(ports.ini, textPath, labelSection, labels)) return true;
    ShowWriteError(ports.notifier, ports.ini.LastWriteError());
    return false;
}

bool ImportProfile(const ProfileFilePorts& ports, ProfileFileDialogs& dialogs, ProfileFileState& state,
                   ProfileSettings& settings, ProfileText& text, const std::wstring& labelSection) {
    const auto chosen = dialogs.ChooseFileToImport(state.configPath);
    if (!chosen || !EndsWithBin(*chosen)) return false;
    state.configPath = *chosen;
    const ConfigFileRead read = ReadConfigFile(ports.files, *chosen);
    if (read.problem != ConfigFileRead::Problem::None) {
        ports.notifier.ShowMessage(ProblemText(read, *chosen), ApplicationName(ports.executablePath));
        return false;
    }
    TakeSettings(read.bytes, sizeof(ProfileSettings), state, settings);
    // The imported profile takes the place of the current one, whatever number it had.
    settings.profile = static_cast<std::uint8_t>(state.listIndex);
    CorrectRanges(ports, state, *chosen, settings);
    state.keepDamagedConfig = false;  // the user chose to replace it
    text = ReadProfileText(ports.ini, CompanionTextPath(*chosen), labelSection);
    SetSharedPaths(ports, state);
    SetCurrentProfilePaths(ports, state);
    SaveLabels(ports, state.textPath, labelSection, text.labels);
    return WriteConfigFile(ports, state.configPath, settings);
}

bool ExportProfile(const ProfileFilePorts& ports, ProfileFileDialogs& dialogs, ProfileFileState& state,
                   const ProfileSettings& settings, const ButtonLabels& labels,
                   const std::wstring& labelSection) {
    const auto chosen = dialogs.ChooseFileToExport(state.configPath);
    if (!chosen) return false;
    const std::wstring path = EndsWithBin(*chosen) ? *chosen : *chosen + L".bin";
    SaveLabels(ports, CompanionTextPath(path), labelSection, labels);
    const bool written = WriteConfigFile(ports, path, settings);

    // A second copy beside the program, unless that is where the first went, or the name is one
    // of the program's own files (exporting as "config.bin" must not replace the factory file).
    const std::wstring name = FileNameOf(path);
    state.configPath = path;
    if (!SameFolder(path, ports.executablePath) && !IsProgramFileName(name)) {
        const std::wstring copy = Beside(ports, name);
        SaveLabels(ports, CompanionTextPath(copy), labelSection, labels);
        WriteConfigFile(ports, copy, settings);
        state.configPath = copy;  // so that the next dialog proposes this name
    }
    state.textPath = Beside(ports, TextFileName(state.listIndex));
    return written;
}

ButtonLabels DefaultButtonLabels(Language language) {
    const TextCatalogue texts = TextCatalogueFor(language);
    return {texts.click,      texts.menu,    texts.middleButton, texts.scrollUp,
            texts.scrollDown, texts.dpiLoop, texts.forward,      texts.backward};
}

bool ApplyFirstRunLabels(IniFile& ini, const ProfileFileState& state, Language language,
                         ButtonLabels& labels) {
    if (state.firstRunFlag != 0) return false;
    labels = DefaultButtonLabels(language);
    WriteLabels(ini, state.textPath, LabelSection(language), labels);
    return true;
}

}  // namespace ravix
