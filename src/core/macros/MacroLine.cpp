#include "core/macros/MacroLine.h"

#include "core/platform/DecimalText.h"

namespace ravix {
namespace {

std::wstring WithoutEvery(std::wstring_view text, std::wstring_view part) {
    std::wstring result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t found = text.find(part, at);
        result.append(text.substr(at, found - at));
        if (found == std::wstring_view::npos) break;
        at = found + part.size();
    }
    return result;
}

}  // namespace

MacroLineKind ClassifyMacroLine(std::wstring_view line) {
    if (line.find(kPressMarker) != std::wstring_view::npos) return MacroLineKind::Press;
    if (line.find(kReleaseMarker) != std::wstring_view::npos) return MacroLineKind::Release;
    if (MentionsMilliseconds(line)) return MacroLineKind::Delay;
    return MacroLineKind::Other;
}

bool MentionsMilliseconds(std::wstring_view line) {
    return line.find(L"ms") != std::wstring_view::npos;
}

std::wstring MacroLineKeyName(std::wstring_view line) {
    switch (ClassifyMacroLine(line)) {
        case MacroLineKind::Press:
            return WithoutEvery(line, kPressMarker);
        case MacroLineKind::Release:
            return WithoutEvery(line, kReleaseMarker);
        default:
            return std::wstring(line);
    }
}

std::int64_t MacroLineDelay(std::wstring_view line) {
    return LeadingDecimal64(WithoutEvery(line, L" ms"));
}

std::wstring PressLine(std::wstring_view keyName) {
    return std::wstring(keyName) + std::wstring(kPressMarker);
}

std::wstring ReleaseLine(std::wstring_view keyName) {
    return std::wstring(keyName) + std::wstring(kReleaseMarker);
}

std::wstring DelayLine(std::int64_t milliseconds) {
    return std::to_wstring(milliseconds) + L" ms";
}

}  // namespace ravix
