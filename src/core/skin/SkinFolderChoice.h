#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// The skin folder the main window draws from, and the main pictures that failed on the way to it.
struct SkinFolderChoice {
    std::wstring folder;
    std::vector<std::wstring> failedFiles;  // in the order tried
};

// The skin named by "Path" (kept inside "Skins") when its main picture loads; otherwise
// "Skins/Default", the skin the program is shipped with, when that one loads. When neither does,
// the configured folder stays. `loads` tells whether a picture file can be loaded.
SkinFolderChoice ChooseSkinFolder(std::wstring_view executablePath, std::wstring_view pathKey,
                                  const std::function<bool(const std::wstring& file)>& loads);

// What the user is told about a choice: which skin file could not be loaded and what is shown
// instead; empty when nothing failed.
std::wstring SkinFailureMessage(const SkinFolderChoice& choice);

}  // namespace ravix
