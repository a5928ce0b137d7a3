#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/platform/BinaryFiles.h"

namespace ravix {

// What following a deleted macro did to the profiles stored beside the program.
struct StoredProfilesFollow {
    struct Failure {
        std::wstring path;
        int error = 0;  // the system's error code
        bool operator==(const Failure&) const = default;
    };
    std::vector<std::wstring> changed;        // configuration files rewritten with the new numbers
    std::vector<Failure> failed;              // files that could not be rewritten, left as they were
    std::vector<std::wstring> playedDeleted;  // files with a button that played the deleted macro
};

// The macro library is shared by every profile: when the macro at `position` (0 for the first) is
// deleted, the macro buttons of every stored profile ("config0.bin" .. "config5.bin" beside the
// program) that played a later macro follow it to its new, lower number, as the current profile's
// buttons do in memory. Each file also keeps its own images of the macro slots, encoded from the
// library as it was: the deleted macro's slot goes and the later ones move down with their
// buttons, the last slot left empty, so that every moved button plays what it played. A button
// that played the deleted macro keeps its number, as in memory, and its file is named. A file is
// replaced only when a byte changes, with its first-run flag kept; a missing, damaged or
// unreadable file is left alone.
StoredProfilesFollow FollowMacroDeletionInProfileFiles(BinaryFiles& files, const std::wstring& executablePath,
                                                       std::size_t position);

// What the macro manager tells the user about the files that could not follow and those whose
// buttons played the deleted macro; empty when there is nothing to tell.
std::wstring StoredProfilesWarning(const StoredProfilesFollow& follow, Language language);

}  // namespace ravix
