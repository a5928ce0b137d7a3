#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/platform/BinaryFiles.h"
#include "core/platform/IniFile.h"

namespace ravix {

// The profile list of "str.ini": the names in list order (a name's position is its files' number)
// and the name of the current profile.
struct ProfileList {
    std::vector<std::wstring> names;
    std::wstring current;
};

// The list as the program reads it: "ItemCount" names, or, with a count outside 1..6, the names
// as far as they go.
ProfileList ReadProfileList(const IniFile& ini, const std::wstring& listPath);

// Writes the list in place of the one in the file: "CurProfileName", and unless the list is empty
// "ItemCount" and the names. False when the file could not be written.
bool WriteProfileList(IniFile& ini, const std::wstring& listPath, const ProfileList& list);

// The position of the current profile: the last name equal to it, compared exactly.
std::optional<int> FindCurrentProfile(std::span<const std::wstring> names, std::wstring_view current);

// The name of a new profile, nothing when the list already holds six. The base name and "_0" for
// the first; after a name with "_" the base name and one more than the number after its first "_";
// after a name without one, that name, "_" and the number of profiles. A name the list already has
// is never given: the number goes up instead.
std::optional<std::wstring> NewProfileName(std::span<const std::wstring> names, std::wstring_view baseName);

enum class ProfileNameProblem { None, Empty, Taken, NotStorable };

struct CheckedProfileName {
    ProfileNameProblem problem = ProfileNameProblem::None;
    std::wstring name;  // the typed name without the blanks around it
};

// A name typed for the profile at `renamed`: refused when empty, when another profile has it
// (letters compared without regard to case, so that the two can never be mistaken for each other),
// or when the list file would not give it back as typed (quotes around it, control characters,
// more than a value holds).
CheckedProfileName CheckProfileName(std::wstring_view typed, std::span<const std::wstring> names,
                                    std::size_t renamed);

// What the user is told about a refused name, in the language of the program.
std::wstring ProfileNameMessage(ProfileNameProblem problem, Language language);

struct ProfileFilesMove {
    bool moved = false;
    std::wstring failedPath;  // the file that could not be read or written
    int error = 0;            // the system's error code for it, 0 when it is not known
};

// A profile's files belong to its position: when the profile at `deleted` of `count` goes, the
// files of every later position move down one ("config%d.bin" and "str%d.ini"), and the last
// position gets fresh factory files for the next profile added there. Every file is read before
// any is written, each is replaced whole, and on a failure the files already written are put
// back, so that no profile is lost.
ProfileFilesMove MoveProfileFilesDown(BinaryFiles& files, const std::wstring& executablePath, int deleted, int count);

// What the user is told, in the program's language, when the files could not be moved.
std::wstring ProfileFilesMoveMessage(const ProfileFilesMove& move, Language language);

}  // namespace ravix
