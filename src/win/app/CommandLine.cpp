#include "win/app/CommandLine.h"

// The shell header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include "win/platform/UniqueResources.h"

namespace ravix::win {

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    const UniqueLocal<LPWSTR*> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!arguments) return {};
    std::vector<std::wstring> result;
    for (int i = 1; i < count; ++i) result.emplace_back(arguments.Get()[i]);
    return result;
}

}  // namespace ravix::win
