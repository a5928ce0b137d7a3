#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/IniFile.h"

namespace ravix {

// The text of one initialisation file, line by line, with the private-profile rules for finding,
// adding, replacing and deleting entries. Lines it does not understand (comments, blank lines,
// text before the first section) are kept as they are.
class IniDocument {
public:
    // How the file's bytes were encoded; decides how it is written back.
    enum class Encoding { New, Utf16Le, Utf16Be, Utf8WithMark, EightBit };

    static IniDocument Parse(std::span<const std::uint8_t> bytes);

    // UTF-16LE with a byte-order mark, except that a UTF-8 file with a mark stays UTF-8 and an
    // 8-bit file that still holds only ASCII stays 8-bit.
    std::vector<std::uint8_t> Serialize() const;

    Encoding encoding() const { return m_encoding; }
    std::vector<std::wstring> SectionNames() const;

    // The value of the first matching key of the first matching section, trimmed.
    std::optional<std::wstring> Value(std::wstring_view section, std::wstring_view key) const;

    // The key lines of the first matching section in order, keys and values trimmed.
    std::vector<IniEntry> Entries(std::wstring_view section) const;

    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    // Makes `entries` the keys of the first section of that name, where it stands; appends the
    // section when there is none.
    void ReplaceEntries(std::wstring_view section, const std::vector<IniEntry>& entries);

    // Removes the first section of that name; false when there was none.
    bool DeleteSection(std::wstring_view section);

private:
    struct Range {
        std::size_t header;  // index of the "[name]" line
        std::size_t end;     // one past the section's last line
    };
    std::optional<Range> FindSection(std::wstring_view section) const;

    std::vector<std::wstring> m_lines;
    Encoding m_encoding = Encoding::New;
};

// Private-profile name comparison: letters compare without regard to case.
bool IniNamesEqual(std::wstring_view a, std::wstring_view b);

std::wstring_view TrimIniSpace(std::wstring_view text);

}  // namespace ravix
