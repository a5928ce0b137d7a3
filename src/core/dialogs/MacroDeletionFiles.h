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
    std::vector<std::wstring> changed;  // configuration files rewritten with the new numbers
    std::vector<Failure> failed;        // files that could not be rewritten, left as they were
};

// The macro library is shared by every profile: when the macro at `position` (0 for the first) is
// deleted, the macro buttons of every stored profile ("config0.bin" .. "config5.bin" beside the
// program) that played a later macro follow it to its new, lower number, as the current profile's
// buttons do in memory. A file is replaced only when a number changes, with its first-run flag
// kept; a missing, damaged or unreadable file is left alone.
StoredProfilesFollow FollowMacroDeletionInProfileFiles(BinaryFiles& files, const std::wstring& executablePath,
                                                       std::size_t position);

// What the macro manager tells the user about the files that could not follow; empty when all did.
std::wstring ProfileFilesNotFollowed(const StoredProfilesFollow& follow, Language language);

}  // namespace ravix
