#include "win/dialogs/UpdaterLaunch.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "core/app/ModulePaths.h"
#include "core/dialogs/HelpWindow.h"

namespace ravix::win {

std::wstring UpdaterPath(const std::wstring& executablePath) {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    std::wstring path = PathBesideExecutable(executablePath, UpdaterRelativePath(info.wProcessorArchitecture));
    std::ranges::replace(path, L'/', L'\\');
    return path;
}

bool RunUpdater(const std::wstring& executablePath, Notifier& notifier) {
    const std::wstring path = UpdaterPath(executablePath);
    const std::wstring caption = ApplicationName(executablePath);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        notifier.ShowMessage(UpdaterMissingMessage(path), caption);
        return false;
    }
    const auto code = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (code > 32) return true;
    notifier.ShowMessage(UpdaterFailedMessage(path, static_cast<long>(code)), caption);
    return false;
}

}  // namespace ravix::win
