#include "win/platform/SystemLibrary.h"

#include <string>

namespace ravix::win {

FARPROC SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        // Loaded once for the life of the process: the functions taken from it stay valid.
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library).c_str());
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace ravix::win
