#pragma once

#include <string>
#include <vector>

namespace ravix {
class IniFile;
}

namespace ravix::win {

// The names of the macro library's macros, in order: what a button's macro number points at.
std::vector<std::wstring> MacroNames(IniFile& ini, const std::wstring& libraryPath);

}  // namespace ravix::win
