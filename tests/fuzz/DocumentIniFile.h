#pragma once

#include "core/platform/IniDocument.h"
#include "core/platform/IniFile.h"

namespace ravix {

// A read-only IniFile over one parsed document, so that a fuzzer can feed file contents without
// touching the disk. Reads go through the same document rules as the portable implementation.
class DocumentIniFile final : public IniFile {
public:
    explicit DocumentIniFile(IniDocument document) : document_(std::move(document)) {}

    bool FileExists(const std::wstring&) const override { return true; }
    std::vector<std::wstring> SectionNames(const std::wstring&) const override {
        return document_.SectionNames();
    }
    std::wstring ReadString(const std::wstring&, const std::wstring& section,
                            const std::wstring& key) const override {
        const auto value = document_.Value(section, key);
        return value ? IniValueAsRead(*value) : std::wstring();
    }
    std::vector<IniEntry> ReadSection(const std::wstring&, const std::wstring& section) const override {
        std::vector<IniEntry> entries = document_.Entries(section);
        for (IniEntry& entry : entries) entry.value = IniValueAsRead(entry.value);
        return entries;
    }
    bool WriteString(const std::wstring&, const std::wstring&, const std::wstring&,
                     const std::wstring&) override {
        return false;
    }
    bool DeleteSection(const std::wstring&, const std::wstring&) override { return false; }

private:
    IniDocument document_;
};

}  // namespace ravix
