#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// The platform's private-profile (initialisation file) access, one file per call.
//
// Semantics every implementation keeps:
// - section and key names are compared without regard to case;
// - sections and keys stay in file order; a new section is appended at the end of the file, a new
//   key at the end of its section, and an existing key's value is replaced in place;
// - values read back trimmed of surrounding white space (and of one pair of matching quotes), and
//   at most `kReadBufferChars` - 1 characters long; a missing file, section or key reads as "";
// - a file created by a write starts as UTF-16LE with a byte-order mark, so that names in any
//   language survive every system code page; existing UTF-16 and 8-bit files are read too;
// - a file is replaced atomically, never left half written.
class IniFile {
public:
    // Every value is read through a buffer of this many characters, the terminator included.
    static constexpr std::size_t kReadBufferChars = 1024;

    virtual ~IniFile() = default;

    virtual bool FileExists(const std::wstring& path) const = 0;

    // The names of the file's sections in file order; empty when the file is missing.
    virtual std::vector<std::wstring> SectionNames(const std::wstring& path) const = 0;

    virtual std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                                    const std::wstring& key) const = 0;

    // Creates the file and the section as needed. False when the names cannot be stored (see
    // IsStorableIniSection, IsStorableIniKey) or the file cannot be written.
    virtual bool WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) = 0;

    // Removes the section with all its keys. Deleting a section that is not there succeeds and
    // leaves the file (or its absence) untouched.
    virtual bool DeleteSection(const std::wstring& path, const std::wstring& section) = 0;
};

// Names the file format can hold. Both must be non-empty and on one line; a section name must
// not contain ']' (it would end the header early), a key must not contain '=' (it would split the
// key) nor start with '[' (it would pass for a section header). Such names are refused rather than
// altered, so that a name never silently maps onto another.
bool IsStorableIniSection(std::wstring_view name);
bool IsStorableIniKey(std::wstring_view name);

// A value as the file format can hold it: line breaks would start new lines that could pass for
// keys or sections of their own, so they become spaces.
std::wstring StorableIniValue(std::wstring_view value);

}  // namespace ravix
