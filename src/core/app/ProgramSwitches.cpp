#include "core/app/ProgramSwitches.h"

#include <string_view>

namespace ravix {

ProgramSwitches ParseProgramSwitches(std::span<const std::wstring> arguments) {
    static constexpr std::wstring_view kSimulate = L"--simulate";
    static constexpr std::wstring_view kTrace = L"--trace=";
    static constexpr std::wstring_view kNotices = L"--notices=";
    ProgramSwitches switches;
    for (const std::wstring& argument : arguments) {
        const std::wstring_view text = argument;
        if (text == kSimulate) {
            switches.simulate = true;
        } else if (text.starts_with(kTrace) && text.size() > kTrace.size()) {
            switches.traceFile = std::wstring(text.substr(kTrace.size()));
        } else if (text.starts_with(kNotices) && text.size() > kNotices.size()) {
            switches.noticeFile = std::wstring(text.substr(kNotices.size()));
        }
    }
    return switches;
}

}  // namespace ravix
