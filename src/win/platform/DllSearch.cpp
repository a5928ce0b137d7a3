#include "win/platform/DllSearch.h"

#include <windows.h>

namespace ravix::win {

bool RestrictDllSearch() {
    // Looked up rather than linked: the program still starts on a Windows 7 that lacks the call.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto setDefault = kernel ? reinterpret_cast<SetDefaultDllDirectoriesFn>(
                                         reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")))
                                   : nullptr;
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32)) return true;
    SetDllDirectoryW(L"");
    return false;
}

}  // namespace ravix::win
