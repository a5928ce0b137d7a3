#pragma once

#include "core/platform/IniFile.h"

namespace ravix {

// IniFile over the standard library's file access, with the private-profile rules of IniDocument.
// Each call reads the file afresh and each change rewrites it atomically.
class PortableIniFile final : public IniFile {
public:
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
    bool DeleteSection(const std::wstring& path, const std::wstring& section) override;
};

}  // namespace ravix
