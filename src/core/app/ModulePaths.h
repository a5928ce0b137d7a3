#pragma once

#include <string>
#include <string_view>

namespace ravix {

// The file name the program is shipped under; its files are found beside it.
inline constexpr std::wstring_view kExecutableName = L"Velmar Ravix Driver.exe";

// The folder of the executable, ending in a separator ("C:\\Tools\\" for "C:\\Tools\\x.exe").
// The final component is replaced whatever it is called, so a renamed executable still finds
// its files instead of writing over its own path.
std::wstring ExecutableFolder(std::wstring_view executablePath);

// A file beside the executable: the executable's own file name replaced by `relative`.
std::wstring PathBesideExecutable(std::wstring_view executablePath, std::wstring_view relative);

// The application's name as message boxes show it: the executable's file name without extension.
std::wstring ApplicationName(std::wstring_view executablePath);

}  // namespace ravix
