#include "win/platform/ExecutablePath.h"

#include <windows.h>

#include "core/app/ModulePaths.h"

namespace ravix::win {

std::wstring ExecutablePath() {
    // A path that fills the buffer may have been cut: try again with a larger one.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
        if (length < size) return path.substr(0, length);
    }
    return {};
}

std::wstring ApplicationTitle() {
    return ApplicationName(ExecutablePath());
}

}  // namespace ravix::win
