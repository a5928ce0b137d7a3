#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// One "key=value" line of a section.
struct IniEntry {
    std::wstring key;    // as the file spells it, trimmed
    std::wstring value;  // as ReadString gives it
};

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

    // The key lines of a section in file order, read with one pass over the file where reading key by
    // key reads the file once per key. Each value is exactly what ReadString gives for its key
    // (IniValueAsRead of the stored text); lines without '=' or without a key are left out. A key
    // written twice is listed twice, and FindIniValue, like ReadString, takes the first. Of several
    // sections of the same name, the first counts. Empty when the file or the section is missing.
    // A Win32 implementation reads with GetPrivateProfileSectionW and grows its buffer until the
    // whole section fits, so that no entry is lost to the buffer's size.
    virtual std::vector<IniEntry> ReadSection(const std::wstring& path,
                                              const std::wstring& section) const = 0;

    // Creates the file and the section as needed. False when the names cannot be stored (see
    // IsStorableIniSection, IsStorableIniKey) or the file cannot be written.
    virtual bool WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) = 0;

    // Makes `entries` the section's keys, in order, where the section stands in the file; a missing
    // section is appended (and the file created). Nothing is written, and false given, when a name
    // cannot be stored. Values are made storable as WriteString makes them.
    virtual bool ReplaceSection(const std::wstring& path, const std::wstring& section,
                                const std::vector<IniEntry>& entries) = 0;

    // Removes the section with all its keys. Deleting a section that is not there succeeds and
    // leaves the file (or its absence) untouched.
    virtual bool DeleteSection(const std::wstring& path, const std::wstring& section) = 0;

    // The system's error code of the last write or deletion that failed to change the file; 0
    // when the implementation cannot tell.
    virtual int LastWriteError() const { return 0; }
};

// Names the file format can hold. Both must be non-empty and on one line; a section name must
// not contain ']' (it would end the header early), a key must not contain '=' (it would split the
// key) nor start with '[' (it would pass for a section header). Such names are refused rather than
// altered, so that a name never silently maps onto another.
bool IsStorableIniSection(std::wstring_view name);
bool IsStorableIniKey(std::wstring_view name);

// A stored value as every read gives it: trimmed of surrounding white space, without one pair of
// matching surrounding quotes, and cut to IniFile::kReadBufferChars - 1 characters.
std::wstring IniValueAsRead(std::wstring_view stored);

// The value of `key` among `entries` (names compared without regard to case): the first one, as
// ReadString would give it; "" when the key is missing.
std::wstring FindIniValue(const std::vector<IniEntry>& entries, std::wstring_view key);

// A value as the file format can hold it: line breaks would start new lines that could pass for
// keys or sections of their own, so they become spaces.
std::wstring StorableIniValue(std::wstring_view value);

// A whole section's keys as the file format can hold them (values as StorableIniValue makes them);
// nothing when the section's name or one of the keys cannot be stored.
std::optional<std::vector<IniEntry>> StorableIniEntries(std::wstring_view section,
                                                        const std::vector<IniEntry>& entries);

}  // namespace ravix
