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

// Values read back without one pair of matching surrounding quotes, as the platform does.
std::wstring_view WithoutQuotes(std::wstring_view value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::wstring IniValueAsRead(std::wstring_view stored) {
    return std::wstring(WithoutQuotes(TrimIniSpace(stored)).substr(0, IniFile::kReadBufferChars - 1));
}

std::wstring FindIniValue(const std::vector<IniEntry>& entries, std::wstring_view key) {
    const std::wstring_view wanted = TrimIniSpace(key);
    for (const IniEntry& entry : entries) {
        if (IniNamesEqual(entry.key, wanted)) return entry.value;
    }
    return {};
}

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

std::optional<std::vector<IniEntry>> StorableIniEntries(std::wstring_view section,
                                                        const std::vector<IniEntry>& entries) {
    if (!IsStorableIniSection(section)) return std::nullopt;
    std::vector<IniEntry> stored;
    stored.reserve(entries.size());
    for (const IniEntry& entry : entries) {
        if (!IsStorableIniKey(entry.key)) return std::nullopt;
        stored.push_back({std::wstring(TrimIniSpace(entry.key)), StorableIniValue(entry.value)});
    }
    return stored;
}

}  // namespace ravix
