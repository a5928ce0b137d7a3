#include "core/platform/IniDocument.h"

#include <algorithm>
#include <cwctype>

#include "core/platform/TextCodecs.h"

namespace ravix {
namespace {

bool IsIniSpace(wchar_t c) {
    // 0x1A is the old end-of-file mark that some editors leave at the end of text files.
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' || c == 0x1A;
}

wchar_t FoldCase(wchar_t c) {
    // Names are nearly always ASCII; the library call is kept for the rest.
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - L'a' + L'A');
    if (static_cast<std::uint32_t>(c) < 0x80) return c;
    return static_cast<wchar_t>(std::towupper(static_cast<std::wint_t>(c)));
}

// The name of a "[name]" line; a header without its closing bracket runs to the end of the line.
std::optional<std::wstring_view> SectionHeaderName(std::wstring_view line) {
    line = TrimIniSpace(line);
    if (line.empty() || line.front() != L'[') return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(L']');
    return TrimIniSpace(line.substr(0, close));
}

struct KeyLine {
    std::wstring_view key;
    std::wstring_view value;
};

// "key=value", or a bare "key": the system's reader takes a line without "=" as its key with an
// empty value, so that it hides a later line of the same key in its section.
std::optional<KeyLine> ParseKeyLine(std::wstring_view line) {
    const std::size_t equals = line.find(L'=');
    const std::wstring_view key = TrimIniSpace(line.substr(0, equals));
    if (key.empty()) return std::nullopt;
    if (equals == std::wstring_view::npos) return KeyLine{key, {}};
    return KeyLine{key, TrimIniSpace(line.substr(equals + 1))};
}

bool IsIniComment(std::wstring_view key) {
    return key.front() == L';';
}

std::vector<std::wstring> SplitLines(std::wstring_view text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\r' && text[i] != L'\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

bool IsAscii(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](wchar_t c) { return static_cast<std::uint32_t>(c) < 0x80; });
}

}  // namespace

std::wstring_view TrimIniSpace(std::wstring_view text) {
    while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool IniNamesEqual(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return FoldCase(x) == FoldCase(y);
           });
}

IniDocument IniDocument::Parse(std::span<const std::uint8_t> bytes) {
    IniDocument document;
    std::wstring text;
    if (bytes.empty()) {
        document.m_encoding = Encoding::New;
    } else if (StartsWith(bytes, {0xFF, 0xFE})) {
        document.m_encoding = Encoding::Utf16Le;
        text = WideFromUtf16(bytes.subspan(2), false);
    } else if (StartsWith(bytes, {0xFE, 0xFF})) {
        document.m_encoding = Encoding::Utf16Be;
        text = WideFromUtf16(bytes.subspan(2), true);
    } else {
        const bool marked = StartsWith(bytes, {0xEF, 0xBB, 0xBF});
        const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        const std::string_view body = marked ? raw.substr(3) : raw;
        // Text without a mark is taken as UTF-8 when it is well-formed UTF-8 (which plain ASCII
        // is), and as the Western code page otherwise.
        std::optional<std::wstring> utf8 = WideFromUtf8(body);
        document.m_encoding = marked ? Encoding::Utf8WithMark : Encoding::EightBit;
        text = utf8 ? std::move(*utf8) : WideFromAnsi(body);
    }
    document.m_lines = SplitLines(text);
    return document;
}

std::vector<std::uint8_t> IniDocument::Serialize() const {
    std::wstring text;
    for (const std::wstring& line : m_lines) text += line + L"\r\n";
    if (m_encoding == Encoding::Utf8WithMark || (m_encoding == Encoding::EightBit && IsAscii(text))) {
        std::vector<std::uint8_t> bytes;
        if (m_encoding == Encoding::Utf8WithMark) bytes = {0xEF, 0xBB, 0xBF};
        const std::string utf8 = Utf8FromWide(text);
        bytes.insert(bytes.end(), utf8.begin(), utf8.end());
        return bytes;
    }
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    const std::vector<std::uint8_t> body = Utf16LeFromWide(text);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::vector<std::wstring> IniDocument::SectionNames() const {
    std::vector<std::wstring> names;
    for (const std::wstring& line : m_lines) {
        if (const auto name = SectionHeaderName(line); name && !name->empty()) names.emplace_back(*name);
    }
    return names;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::wstring_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = SectionHeaderName(m_lines[i]);
        if (!name || !IniNamesEqual(*name, TrimIniSpace(section))) continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !SectionHeaderName(m_lines[end])) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::wstring> IniDocument::Value(std::wstring_view section, std::wstring_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto entry = ParseKeyLine(m_lines[i]);
        if (entry && IniNamesEqual(entry->key, TrimIniSpace(key))) return std::wstring(entry->value);
    }
    return std::nullopt;
}

std::vector<IniEntry> IniDocument::Entries(std::wstring_view section) const {
    std::vector<IniEntry> entries;
    const auto range = FindSection(section);
    if (!range) return entries;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (const auto entry = ParseKeyLine(m_lines[i]); entry && !IsIniComment(entry->key))
            entries.push_back({std::wstring(entry->key), std::wstring(entry->value)});
    }
    return entries;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    section = TrimIniSpace(section);
    key = TrimIniSpace(key);
    const auto range = FindSection(section);
    if (!range) {
        m_lines.push_back(L"[" + std::wstring(section) + L"]");
        m_lines.push_back(std::wstring(key) + L"=" + std::wstring(value));
        return;
    }
    std::size_t insertAt = range->header + 1;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto entry = ParseKeyLine(m_lines[i]);
        if (entry && IniNamesEqual(entry->key, key)) {
            // The key keeps the spelling it already had in the file.
            m_lines[i] = std::wstring(entry->key) + L"=" + std::wstring(value);
            return;
        }
        // New keys go after the section's last non-blank line, before any blank separator lines.
        if (!TrimIniSpace(m_lines[i]).empty()) insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   std::wstring(key) + L"=" + std::wstring(value));
}

void IniDocument::ReplaceEntries(std::wstring_view section, const std::vector<IniEntry>& entries) {
    section = TrimIniSpace(section);
    std::vector<std::wstring> lines;
    for (const IniEntry& entry : entries) lines.push_back(entry.key + L"=" + entry.value);
    const auto range = FindSection(section);
    if (!range) {
        m_lines.push_back(L"[" + std::wstring(section) + L"]");
        m_lines.insert(m_lines.end(), lines.begin(), lines.end());
        return;
    }
    // Blank lines that separate the section from the next one stay.
    std::size_t keysEnd = range->end;
    while (keysEnd > range->header + 1 && TrimIniSpace(m_lines[keysEnd - 1]).empty()) --keysEnd;
    const auto first = m_lines.begin() + static_cast<std::ptrdiff_t>(range->header + 1);
    m_lines.erase(first, m_lines.begin() + static_cast<std::ptrdiff_t>(keysEnd));
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header + 1), lines.begin(),
                   lines.end());
}

bool IniDocument::DeleteSection(std::wstring_view section) {
    // Only the first section of that name goes, as with the system's functions: a file edited by
    // hand that repeats a name shows the next one afterwards.
    const auto range = FindSection(section);
    if (!range) return false;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
}

}  // namespace ravix
