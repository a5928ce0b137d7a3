#include "core/app/ModulePaths.h"

namespace ravix {
namespace {

std::size_t FileNameStart(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

}  // namespace

std::wstring ExecutableFolder(std::wstring_view executablePath) {
    return std::wstring(executablePath.substr(0, FileNameStart(executablePath)));
}

std::wstring PathBesideExecutable(std::wstring_view executablePath, std::wstring_view relative) {
    return ExecutableFolder(executablePath) + std::wstring(relative);
}

std::wstring ApplicationName(std::wstring_view executablePath) {
    std::wstring_view name = executablePath.substr(FileNameStart(executablePath));
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring_view::npos && dot != 0) name = name.substr(0, dot);
    return std::wstring(name);
}

}  // namespace ravix
