#pragma once

#include <string>

namespace ravix::win {

// The full path of the program's executable, however long; the program's files are found beside it.
std::wstring ExecutablePath();

// The application's title as message boxes show it: the executable's name without extension.
std::wstring ApplicationTitle();

}  // namespace ravix::win
