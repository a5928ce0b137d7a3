#pragma once

#include <string>

namespace ravix::win {

// The full path of the program's executable, however long.
std::wstring ExecutablePath();

}  // namespace ravix::win
