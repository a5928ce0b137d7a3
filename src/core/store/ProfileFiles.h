#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/ApplicationSettings.h"
#include "core/platform/BinaryFiles.h"
#include "core/platform/IniFile.h"
#include "core/platform/Notifier.h"
#include "core/store/ProfileFileDialogs.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// A configuration file: the first-run flag, then ProfileSettings byte for byte.
inline constexpr std::size_t kConfigFileBytes = 1 + sizeof(ProfileSettings);
inline constexpr int kMaxProfiles = 6;

// Which profile's files are current, and what was last read from them.
struct ProfileFileState {
    int listIndex = 0;  // 0..5: the profile's position in the list, its file number
    // Byte 0 of the last configuration file read: 0 while the profile's button labels have never
    // been set. Files written by the program always hold 1.
    std::uint8_t firstRunFlag = 0;
    std::wstring configPath;
    std::wstring textPath;  // empty while no profile is chosen: every key then reads as ""
    std::wstring listPath;
    std::wstring libraryPath;
    bool resetMode = false;  // set while a reset loads the factory files
    // Set while the current configuration file is damaged and could not be set aside: it is never
    // written over.
    bool keepDamagedConfig = false;
    // The last message shown about the profile's files, so that reloading does not repeat it.
    std::wstring lastReport;
};

// What the profile files are reached through.
struct ProfileFilePorts {
    std::wstring executablePath;
    IniFile& ini;
    BinaryFiles& files;
    Notifier& notifier;
};

using ButtonLabels = std::array<std::wstring, ProfileSettings::kButtons>;

// What the main window keeps from a profile text file.
struct ProfileText {
    ButtonLabels labels;
    SkinKeys skin;
};

inline constexpr std::wstring_view kConfigMissingMessage = L"Config file is not exist.";

using ConfigFileBytes = std::array<std::uint8_t, kConfigFileBytes>;

// The name of the configuration file of list position `index` ("config0.bin" .. "config5.bin").
std::wstring ConfigFileName(int index);
// The name of its text file, with its labels, language and skin ("str0.ini" .. "str5.ini").
std::wstring TextFileName(int index);

// What reading a configuration file gave: its bytes, or why there are none.
struct ConfigFileRead {
    enum class Problem { None, Missing, NotAFile, WrongSize, Unreadable };
    Problem problem = Problem::None;
    ConfigFileBytes bytes{};
    std::optional<std::size_t> size;  // of a file of the wrong size, when it is known
};
ConfigFileRead ReadConfigFile(const BinaryFiles& files, const std::wstring& path);

// The bytes of a configuration file holding `settings`.
ConfigFileBytes ConfigFileBytesOf(const ProfileSettings& settings, std::uint8_t firstRunFlag);
// The settings a configuration file's bytes hold, as they are (the first-run flag aside).
ProfileSettings SettingsOf(const ConfigFileBytes& bytes);

// The message of a file that could not be written, with the system's error code.
void ShowWriteError(Notifier& notifier, int error);

// Replaces the configuration file at `path` with `settings` and the first-run flag 1 (the labels of
// a profile the program has written are set); a failure is shown to the user. True when written.
bool WriteConfigFile(const ProfileFilePorts& ports, const std::wstring& path,
                     const ProfileSettings& settings);

// Chooses the current profile from the profile list in "str.ini" and reads its configuration
// file into `settings`, every field brought into range (the corrected ones are named to the user).
// A missing, damaged or unreadable file is reported once, and the profile starts from the factory
// values as on a first run; a damaged one is first set aside under a name of its own and replaced
// by a factory file. In reset mode only the settings part of the factory file is read, and an
// unusable factory file changes nothing. True when `settings` hold the profile.
bool LoadCurrentProfile(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings);

ProfileText ReadProfileText(const IniFile& ini, const std::wstring& textPath,
                            const std::wstring& labelSection);

// Writes the configuration file of the current list index; a missing file is never created.
bool SaveCurrentProfile(const ProfileFilePorts& ports, ProfileFileState& state,
                        const ProfileSettings& settings);

// Writes "Item1" to "Item8" of the section; true when all were written (or no text file is chosen).
bool WriteLabels(IniFile& ini, const std::wstring& textPath, const std::wstring& labelSection,
                 const ButtonLabels& labels);

// WriteLabels, with a failure shown to the user as a failed configuration write is.
bool SaveLabels(const ProfileFilePorts& ports, const std::wstring& textPath, const std::wstring& labelSection,
                const ButtonLabels& labels);

// Reads a profile file of the user's choice into `settings` and `text`, and stores it as the
// current profile's files. Sends nothing to the mouse. True when a profile was imported.
bool ImportProfile(const ProfileFilePorts& ports, ProfileFileDialogs& dialogs, ProfileFileState& state,
                   ProfileSettings& settings, ProfileText& text, const std::wstring& labelSection);

// Writes the profile in memory to a file of the user's choice and a copy of it beside the
// program. True when the chosen file was written.
bool ExportProfile(const ProfileFilePorts& ports, ProfileFileDialogs& dialogs, ProfileFileState& state,
                   const ProfileSettings& settings, const ButtonLabels& labels,
                   const std::wstring& labelSection);

// The labels that describe the factory assignment of the eight buttons.
ButtonLabels DefaultButtonLabels(Language language);

// First-run rule, applied when the pages are filled: a profile whose labels were never set gets
// the default labels of the language, written to its text file. True when it did.
bool ApplyFirstRunLabels(IniFile& ini, const ProfileFileState& state, Language language,
                         ButtonLabels& labels);

}  // namespace ravix
