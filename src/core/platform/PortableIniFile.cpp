#include "core/platform/PortableIniFile.h"

#include <cerrno>
#include <optional>

#include "core/platform/FileIo.h"
#include "core/platform/IniDocument.h"

namespace ravix {
namespace {

// The document of a file; a missing or empty file gives an empty document that will be created as
// UTF-16LE, and an unreadable or oversized one gives nothing.
std::optional<IniDocument> LoadDocument(const FileContents& contents) {
    switch (contents.status) {
        case FileContents::Status::Ok:
            return IniDocument::Parse(contents.bytes);
        case FileContents::Status::Missing:
            return IniDocument{};
        case FileContents::Status::NotRegular:
        case FileContents::Status::TooLarge:
        case FileContents::Status::Unreadable:
            break;
    }
    return std::nullopt;
}

std::optional<IniDocument> LoadDocument(const std::wstring& path) {
    return LoadDocument(ReadWholeFile(path, PortableIniFile::kMaxFileBytes));
}

// 0, or the system's error code.
int StoreDocument(const std::wstring& path, const IniDocument& document) {
    return ReplaceFileAtomically(path, document.Serialize());
}

// Reported when the file in place cannot be read (or is not a file) and so is not rewritten.
constexpr int kAccessDenied = EACCES;

}  // namespace

struct PortableIniFile::ParsedFile {
    std::wstring path;
    FileContents contents;
    IniDocument document;
};

PortableIniFile::PortableIniFile() = default;
PortableIniFile::~PortableIniFile() = default;

bool PortableIniFile::Read(const std::wstring& path,
                           const std::function<void(const IniDocument&)>& read) const {
    FileContents contents = ReadWholeFile(path, kMaxFileBytes);
    const std::lock_guard lock(m_mutex);
    const bool unchanged = m_last && m_last->path == path && m_last->contents.status == contents.status &&
                           m_last->contents.bytes == contents.bytes;
    if (!unchanged) {
        auto document = LoadDocument(contents);
        if (!document) return false;
        m_last = std::make_unique<ParsedFile>(ParsedFile{path, std::move(contents), std::move(*document)});
    }
    read(m_last->document);
    return true;
}

bool PortableIniFile::FileExists(const std::wstring& path) const {
    return ravix::FileExists(path);
}

std::vector<std::wstring> PortableIniFile::SectionNames(const std::wstring& path) const {
    std::vector<std::wstring> names;
    Read(path, [&](const IniDocument& document) { names = document.SectionNames(); });
    return names;
}

std::wstring PortableIniFile::ReadString(const std::wstring& path, const std::wstring& section,
                                         const std::wstring& key) const {
    std::wstring value;
    Read(path, [&](const IniDocument& document) {
        if (const auto stored = document.Value(section, key)) value = IniValueAsRead(*stored);
    });
    return value;
}

std::vector<IniEntry> PortableIniFile::ReadSection(const std::wstring& path,
                                                   const std::wstring& section) const {
    std::vector<IniEntry> entries;
    Read(path, [&](const IniDocument& document) { entries = document.Entries(section); });
    for (IniEntry& entry : entries) entry.value = IniValueAsRead(entry.value);
    return entries;
}

bool PortableIniFile::WriteString(const std::wstring& path, const std::wstring& section,
                                  const std::wstring& key, const std::wstring& value) {
    if (!IsStorableIniSection(section) || !IsStorableIniKey(key)) return false;
    auto document = LoadDocument(path);
    if (!document) return Succeeded(kAccessDenied);
    document->Set(section, key, StorableIniValue(value));
    return Succeeded(StoreDocument(path, *document));
}

bool PortableIniFile::ReplaceSection(const std::wstring& path, const std::wstring& section,
                                     const std::vector<IniEntry>& entries) {
    const auto stored = StorableIniEntries(section, entries);
    if (!stored) return false;
    auto document = LoadDocument(path);
    if (!document) return Succeeded(kAccessDenied);
    document->ReplaceEntries(section, *stored);
    return Succeeded(StoreDocument(path, *document));
}

bool PortableIniFile::DeleteSection(const std::wstring& path, const std::wstring& section) {
    auto document = LoadDocument(path);
    if (!document) return Succeeded(kAccessDenied);
    if (!document->DeleteSection(section)) return true;
    return Succeeded(StoreDocument(path, *document));
}

bool PortableIniFile::Succeeded(int error) {
    if (error != 0) m_lastWriteError = error;
    return error == 0;
}

}  // namespace ravix
