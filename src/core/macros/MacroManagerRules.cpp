#include "core/macros/MacroManagerRules.h"

#include <algorithm>

#include "core/macros/MacroLine.h"
#include "core/platform/DecimalText.h"
#include "core/platform/IniDocument.h"
#include "core/platform/IniFile.h"

namespace ravix {
namespace {

bool NameTaken(std::span<const std::wstring> names, std::wstring_view name,
               std::optional<std::size_t> except = std::nullopt) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (i != except && IniNamesEqual(names[i], name)) return true;
    return false;
}

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring_view ButtonName(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return L"L-Button";
        case MouseButton::Middle:
            return L"M-Button";
        default:
            return L"R-Button";
    }
}

}  // namespace

bool MacroListIsFull(std::size_t macroCount) {
    return macroCount >= kMaxMacros;
}

std::wstring NewMacroName(std::span<const std::wstring> names, std::wstring_view prefix) {
    std::int64_t number = static_cast<std::int64_t>(names.size());
    if (!names.empty()) {
        const std::wstring& last = names.back();
        const std::size_t dash = last.find(L'-');
        if (dash != std::wstring::npos)
            number = std::int64_t{LeadingDecimal(std::wstring_view(last).substr(dash + 1))} + 1;
    }
    number = std::clamp<std::int64_t>(number, 0, 999999999);
    std::wstring name;
    do {
        name = std::wstring(prefix) + L"-" + std::to_wstring(number++);
    } while (NameTaken(names, name));
    return name;
}

std::optional<std::wstring> CommitMacroRename(std::wstring_view typed, std::span<const std::wstring> names,
                                              std::size_t renamedIndex) {
    const std::wstring name(TrimIniSpace(TrimIniSpace(typed).substr(0, kMaxMacroNameChars)));
    if (!IsStorableIniSection(name) || NameTaken(names, name, renamedIndex)) return std::nullopt;
    return name;
}

ListChange InsertButtonClick(std::vector<std::wstring>& lines, std::optional<std::size_t> selected,
                             MouseButton button) {
    const std::wstring_view name = ButtonName(button);
    if (!selected) {
        if (!lines.empty()) return {};
        lines = {PressLine(name), ReleaseLine(name)};
        return {true, std::nullopt};
    }
    if (*selected >= lines.size()) return {};
    const auto at = lines.begin() + static_cast<std::ptrdiff_t>(*selected) + 1;
    lines.insert(at, {PressLine(name), ReleaseLine(name)});
    return {true, *selected + 1};
}

ListChange InsertDelay(std::vector<std::wstring>& lines, std::optional<std::size_t> selected) {
    if (!selected || *selected == 0 || *selected >= lines.size()) return {};
    const std::size_t s = *selected;
    if (MentionsMilliseconds(lines[s]) || MentionsMilliseconds(lines[s - 1])) return {};
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(s), DelayLine(50));
    return {true, s};
}

std::optional<std::wstring> CommitDelayEdit(std::wstring_view typed) {
    if (!MentionsMilliseconds(typed)) return std::nullopt;
    std::wstring compact;
    for (wchar_t c : typed)
        if (!IsBlank(c)) compact += c;
    std::wstring digits;
    for (std::size_t i = 0; i < compact.size(); ++i) {
        if (std::wstring_view(compact).substr(i, 2) == L"ms") {
            ++i;
            continue;
        }
        if (compact[i] < L'0' || compact[i] > L'9') return std::nullopt;
        digits += compact[i];
    }
    // Written in the one form delay lines have, whatever spacing or leading zeros were typed.
    return DelayLine(std::min(LeadingDecimal64(digits), kMaxEditedDelayMs));
}

RepeatCountField NormaliseRepeatCount(std::wstring_view text) {
    const std::int64_t value = LeadingDecimal(text);
    const std::uint16_t count = NormalisedRepeatCount(value);
    return {count, count != value};
}

StoredMacro OpenMacroToSave(std::wstring_view name, bool recordDelays, bool useRepeatCount,
                            std::wstring_view repeatCountText, std::span<const std::wstring> lines) {
    return StoredMacro{std::wstring(name), recordDelays ? 1 : 0, useRepeatCount ? 1 : 0,
                       std::wstring(repeatCountText), std::vector<std::wstring>(lines.begin(), lines.end())};
}

}  // namespace ravix
