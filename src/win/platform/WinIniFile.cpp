#include "win/platform/WinIniFile.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "core/platform/FileIo.h"
#include "core/platform/IniDocument.h"
#include "core/platform/PortableIniFile.h"
#include "core/platform/TextCodecs.h"
#include "win/platform/WinBinaryFiles.h"

namespace ravix::win {
namespace {

bool IsAscii(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::initializer_list<std::uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

// A file beyond this size is damaged or hostile: it reads as empty and is never rewritten.
bool IsOversized(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    const ULONGLONG size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size > PortableIniFile::kMaxFileBytes;
}

// UTF-16LE with a byte-order mark, from 8-bit text in the system's code page.
std::vector<std::uint8_t> Utf16FromAnsiFile(const std::vector<std::uint8_t>& bytes) {
    std::wstring text;
    if (!bytes.empty()) {
        const auto* chars = reinterpret_cast<const char*>(bytes.data());
        const int length = MultiByteToWideChar(CP_ACP, 0, chars, static_cast<int>(bytes.size()), nullptr, 0);
        text.resize(static_cast<std::size_t>(std::max(length, 0)));
        MultiByteToWideChar(CP_ACP, 0, chars, static_cast<int>(bytes.size()), text.data(), length);
    }
    std::vector<std::uint8_t> converted = {0xFF, 0xFE};
    const std::vector<std::uint8_t> body = Utf16LeFromWide(text);
    converted.insert(converted.end(), body.begin(), body.end());
    return converted;
}

// What the working copy starts from: the file as it is, a marked empty UTF-16LE file when there is
// none, and the file turned into UTF-16LE when it is 8-bit and `text` needs more than ASCII.
std::optional<std::vector<std::uint8_t>> StartingBytes(const std::wstring& path, std::wstring_view text,
                                                       const FailureTrace& failures) {
    const FileContents contents = ReadWholeFile(path, PortableIniFile::kMaxFileBytes);
    switch (contents.status) {
        case FileContents::Status::Missing:
            return std::vector<std::uint8_t>{0xFF, 0xFE};
        case FileContents::Status::NotRegular:
        case FileContents::Status::TooLarge:
            failures.Failed("ReadWholeFile", ERROR_FILE_TOO_LARGE, path);
            return std::nullopt;
        case FileContents::Status::Unreadable:
            failures.Failed("ReadWholeFile", path);
            return std::nullopt;
        case FileContents::Status::Ok:
            break;
    }
    const bool unicode = StartsWith(contents.bytes, {0xFF, 0xFE}) ||
                         StartsWith(contents.bytes, {0xFE, 0xFF}) ||
                         StartsWith(contents.bytes, {0xEF, 0xBB, 0xBF});
    if (unicode || IsAscii(text)) return contents.bytes;
    return Utf16FromAnsiFile(contents.bytes);
}

// Runs `change` (one private-profile write) on a copy beside the file, then puts the copy in the
// file's place in one step. 0, or the system's error code.
template <typename Change>
int ChangeThroughCopy(const std::wstring& path, std::wstring_view text, const FailureTrace& failures,
                      Change change) {
    const auto bytes = StartingBytes(path, text, failures);
    if (!bytes) return ERROR_ACCESS_DENIED;  // a file that cannot be read is never rewritten
    const std::wstring copy = path + std::wstring(kAtomicWriteSuffix);
    if (const int error = WinReplaceFile(copy, *bytes); error != 0) {
        failures.Failed("ReplaceFileAtomically", static_cast<DWORD>(error), copy);
        return error;
    }
    int error = change(copy.c_str()) != FALSE ? 0 : static_cast<int>(GetLastError());
    if (error != 0) failures.Failed("WritePrivateProfileStringW", static_cast<DWORD>(error), copy);
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy.c_str());  // flushes the system's cache
    if (error == 0 &&
        !MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = static_cast<int>(GetLastError());
        failures.Failed("MoveFileExW", static_cast<DWORD>(error), path);
    }
    if (error != 0) DeleteFileW(copy.c_str());
    return error;
}

}  // namespace

bool WinIniFile::FileExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> WinIniFile::SectionNames(const std::wstring& path) const {
    if (!FileExists(path) || IsOversized(path)) return {};
    // The names come as a list of terminated strings; a full buffer means the list was cut.
    std::vector<wchar_t> buffer(4096);
    DWORD length = 0;
    for (;;) {
        length =
            GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
        if (length + 2 < buffer.size() || buffer.size() >= PortableIniFile::kMaxFileBytes) break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<std::wstring> names;
    for (const wchar_t* name = buffer.data(); name < buffer.data() + length && *name;
         name += wcslen(name) + 1)
        names.emplace_back(name);
    return names;
}

std::wstring WinIniFile::ReadString(const std::wstring& path, const std::wstring& section,
                                    const std::wstring& key) const {
    if (!FileExists(path) || IsOversized(path)) return {};
    wchar_t buffer[kReadBufferChars] = {};
    const DWORD length =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, kReadBufferChars, path.c_str());
    return std::wstring(buffer, length);
}

std::vector<IniEntry> WinIniFile::ReadSection(const std::wstring& path, const std::wstring& section) const {
    if (!FileExists(path) || IsOversized(path)) return {};
    // The section comes as a list of terminated "key=value" lines; a full buffer means it was cut.
    std::vector<wchar_t> buffer(32768);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionW(section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                           path.c_str());
        if (length + 2 < buffer.size() || buffer.size() >= PortableIniFile::kMaxFileBytes) break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<IniEntry> entries;
    for (const wchar_t* line = buffer.data(); line < buffer.data() + length && *line;
         line += wcslen(line) + 1) {
        // A line without "=" is a key with an empty value, as the system's string read takes it.
        const std::wstring_view text(line);
        const std::size_t equals = text.find(L'=');
        const std::wstring_view key = TrimIniSpace(text.substr(0, equals));
        if (key.empty() || key.front() == L';') continue;
        const std::wstring_view value = equals == std::wstring_view::npos ? L"" : text.substr(equals + 1);
        entries.push_back({std::wstring(key), IniValueAsRead(value)});
    }
    return entries;
}

bool WinIniFile::WriteString(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) {
    if (!IsStorableIniSection(section) || !IsStorableIniKey(key)) return false;
    const std::wstring stored = StorableIniValue(value);
    return Succeeded(ChangeThroughCopy(path, section + key + stored, m_failures, [&](const wchar_t* copy) {
        return WritePrivateProfileStringW(section.c_str(), key.c_str(), stored.c_str(), copy);
    }));
}

bool WinIniFile::ReplaceSection(const std::wstring& path, const std::wstring& section,
                                const std::vector<IniEntry>& entries) {
    const auto stored = StorableIniEntries(section, entries);
    if (!stored) return false;
    // The system takes the keys as one list of terminated "key=value" lines ending with an empty one.
    std::wstring lines, text = section;
    for (const IniEntry& entry : *stored) {
        lines += entry.key + L"=" + entry.value + L'\0';
        text += entry.key + entry.value;
    }
    lines += L'\0';
    return Succeeded(ChangeThroughCopy(path, text, m_failures, [&](const wchar_t* copy) {
        return WritePrivateProfileSectionW(section.c_str(), lines.c_str(), copy);
    }));
}

bool WinIniFile::DeleteSection(const std::wstring& path, const std::wstring& section) {
    const std::vector<std::wstring> names = SectionNames(path);
    const bool present = std::any_of(names.begin(), names.end(),
                                     [&](const std::wstring& name) { return IniNamesEqual(name, section); });
    if (!present) return true;
    return Succeeded(ChangeThroughCopy(path, L"", m_failures, [&](const wchar_t* copy) {
        return WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, copy);
    }));
}

bool WinIniFile::Succeeded(int error) {
    if (error != 0) m_lastWriteError = error;
    return error == 0;
}

}  // namespace ravix::win
