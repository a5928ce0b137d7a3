#include "core/platform/IniFile.h"

#include "core/platform/IniDocument.h"

namespace ravix {
namespace {

bool IsLineBreak(wchar_t c) {
    return c == L'\r' || c == L'\n';
}

bool HasLineBreak(std::wstring_view text) {
    return text.find_first_of(L"\r\n") != std::wstring_view::npos;
}

}  // namespace

bool IsStorableIniSection(std::wstring_view name) {
    return !TrimIniSpace(name).empty() && !HasLineBreak(name) && name.find(L']') == std::wstring_view::npos;
}

bool IsStorableIniKey(std::wstring_view name) {
    const std::wstring_view trimmed = TrimIniSpace(name);
    return !trimmed.empty() && !HasLineBreak(name) && name.find(L'=') == std::wstring_view::npos &&
           trimmed.front() != L'[';
}

std::wstring StorableIniValue(std::wstring_view value) {
    std::wstring stored(value);
    for (wchar_t& c : stored) {
        if (IsLineBreak(c)) c = L' ';
    }
    return stored;
}

}  // namespace ravix
