#pragma once

#include <string>
#include <vector>

namespace ravix::win {

// The arguments the process was started with, without the program's own path.
std::vector<std::wstring> CommandLineArguments();

}  // namespace ravix::win
