// Kept apart from the store's operations: the library's headers and the device image's both name
// the count of macro slots.
#include "win/app/MacroNames.h"

#include "core/macros/MacroLibrary.h"

namespace ravix::win {

std::vector<std::wstring> MacroNames(IniFile& ini, const std::wstring& libraryPath) {
    return MacroLibrary(ini, libraryPath).List();
}

}  // namespace ravix::win
