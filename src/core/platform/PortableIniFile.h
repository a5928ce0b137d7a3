#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "core/platform/IniFile.h"

namespace ravix {

class IniDocument;

// IniFile over the standard library's file access, with the private-profile rules of IniDocument.
// Each call reads the file afresh and each change rewrites it atomically. The last file read is
// kept parsed together with its bytes, so that reading the same unchanged file again (as the macro
// encoder does, section by section) costs a read and a comparison instead of a parse.
class PortableIniFile final : public IniFile {
public:
    PortableIniFile();
    ~PortableIniFile() override;

    // Initialisation files beyond this size are damaged or hostile: they read as empty and are
    // never rewritten.
    static constexpr std::size_t kMaxFileBytes = 16u << 20;

    bool FileExists(const std::wstring& path) const override;
    std::vector<std::wstring> SectionNames(const std::wstring& path) const override;
    std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key) const override;
    std::vector<IniEntry> ReadSection(const std::wstring& path, const std::wstring& section) const override;
    bool WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
    bool ReplaceSection(const std::wstring& path, const std::wstring& section,
                        const std::vector<IniEntry>& entries) override;
    bool DeleteSection(const std::wstring& path, const std::wstring& section) override;
    int LastWriteError() const override { return m_lastWriteError; }

private:
    struct ParsedFile;

    // Calls `read` with the file's document (empty for a missing file) and gives true, or gives
    // false when the file cannot be read.
    bool Read(const std::wstring& path, const std::function<void(const IniDocument&)>& read) const;

    // True for 0; otherwise keeps the error code for LastWriteError.
    bool Succeeded(int error);

    mutable std::mutex m_mutex;
    mutable std::unique_ptr<ParsedFile> m_last;
    int m_lastWriteError = 0;
};

}  // namespace ravix
