#include "core/platform/PortableIniFile.h"

#include <optional>

#include "core/platform/FileIo.h"
#include "core/platform/IniDocument.h"

namespace ravix {
namespace {

// The document of a file; a missing or empty file gives an empty document that will be created as
// UTF-16LE, and an unreadable or oversized one gives nothing.
std::optional<IniDocument> LoadDocument(const std::wstring& path) {
    const FileContents contents = ReadWholeFile(path, PortableIniFile::kMaxFileBytes);
    switch (contents.status) {
        case FileContents::Status::Ok:
            return IniDocument::Parse(contents.bytes);
        case FileContents::Status::Missing:
            return IniDocument{};
        case FileContents::Status::TooLarge:
        case FileContents::Status::Unreadable:
            break;
    }
    return std::nullopt;
}

bool StoreDocument(const std::wstring& path, const IniDocument& document) {
    return ReplaceFileAtomically(path, document.Serialize()) == 0;
}

}  // namespace

bool PortableIniFile::FileExists(const std::wstring& path) const {
    return ravix::FileExists(path);
}

std::vector<std::wstring> PortableIniFile::SectionNames(const std::wstring& path) const {
    const auto document = LoadDocument(path);
    return document ? document->SectionNames() : std::vector<std::wstring>{};
}

std::wstring PortableIniFile::ReadString(const std::wstring& path, const std::wstring& section,
                                         const std::wstring& key) const {
    const auto document = LoadDocument(path);
    if (!document) return {};
    const auto value = document->Value(section, key);
    if (!value) return {};
    return IniValueAsRead(*value);
}

std::vector<IniEntry> PortableIniFile::ReadSection(const std::wstring& path,
                                                   const std::wstring& section) const {
    const auto document = LoadDocument(path);
    if (!document) return {};
    std::vector<IniEntry> entries = document->Entries(section);
    for (IniEntry& entry : entries) entry.value = IniValueAsRead(entry.value);
    return entries;
}

bool PortableIniFile::WriteString(const std::wstring& path, const std::wstring& section,
                                  const std::wstring& key, const std::wstring& value) {
    if (!IsStorableIniSection(section) || !IsStorableIniKey(key)) return false;
    auto document = LoadDocument(path);
    if (!document) return false;
    document->Set(section, key, StorableIniValue(value));
    return StoreDocument(path, *document);
}

bool PortableIniFile::DeleteSection(const std::wstring& path, const std::wstring& section) {
    auto document = LoadDocument(path);
    if (!document) return false;
    if (!document->DeleteSection(section)) return true;
    return StoreDocument(path, *document);
}

}  // namespace ravix
