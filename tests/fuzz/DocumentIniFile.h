#pragma once

#include "core/platform/IniDocument.h"
#include "core/platform/IniFile.h"

namespace ravix {

// A read-only IniFile over one parsed document, so that a fuzzer can feed file contents without
// touching the disk. Reads go through the same document rules as the portable implementation.
class DocumentIniFile final : public IniFile {
public:
    explicit DocumentIniFile(IniDocument document) : m_document(std::move(document)) {}

    bool FileExists(const std::wstring&) const override { return true; }
    std::vector<std::wstring> SectionNames(const std::wstring&) const override {
        return m_document.SectionNames();
    }
    std::wstring ReadString(const std::wstring&, const std::wstring& section,
                            const std::wstring& key) const override {
        const auto value = m_document.Value(section, key);
        return value ? IniValueAsRead(*value) : std::wstring();
    }
    std::vector<IniEntry> ReadSection(const std::wstring&, const std::wstring& section) const override {
        std::vector<IniEntry> entries = m_document.Entries(section);
        for (IniEntry& entry : entries) entry.value = IniValueAsRead(entry.value);
        return entries;
    }
    bool WriteString(const std::wstring&, const std::wstring&, const std::wstring&,
                     const std::wstring&) override {
        return false;
    }
    bool ReplaceSection(const std::wstring&, const std::wstring&, const std::vector<IniEntry>&) override {
        return false;
    }
    bool DeleteSection(const std::wstring&, const std::wstring&) override { return false; }

private:
    IniDocument m_document;
};

}  // namespace ravix
