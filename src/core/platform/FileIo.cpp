#include "core/platform/FileIo.h"

#include <cerrno>
#include <cwctype>
#include <fstream>
#include <system_error>

#include "core/platform/TextCodecs.h"

namespace ravix {
namespace {

// Reported when the library gives no specific error (an I/O error).
constexpr int kGenericIoError = 5;

int LastErrorOr(int fallback) {
    return errno != 0 ? errno : fallback;
}

}  // namespace

std::filesystem::path FsPath(std::wstring_view path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return std::filesystem::path(std::wstring(path));
    } else {
        const std::string utf8 = Utf8FromWide(path);
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
}

bool FileExists(std::wstring_view path) {
    std::error_code error;
    return std::filesystem::is_regular_file(FsPath(path), error);
}

PathKind KindOfPath(std::wstring_view path) {
    std::error_code error;
    const std::filesystem::file_status found = std::filesystem::status(FsPath(path), error);
    if (!std::filesystem::exists(found)) return PathKind::Missing;
    return std::filesystem::is_regular_file(found) ? PathKind::RegularFile : PathKind::NotRegularFile;
}

FileContents ReadWholeFile(std::wstring_view path, std::size_t maxBytes) {
    FileContents result;
    const std::filesystem::path fsPath = FsPath(path);
    switch (KindOfPath(path)) {
        case PathKind::Missing:
            return result;
        case PathKind::NotRegularFile:
            result.status = FileContents::Status::NotRegular;
            return result;
        case PathKind::RegularFile:
            break;
    }
    result.status = FileContents::Status::Unreadable;
    std::ifstream in(fsPath, std::ios::binary | std::ios::ate);
    if (!in) return result;
    // The size of the file opened, not of whatever the path names by now.
    const std::streamoff size = in.tellg();
    if (size < 0) return result;
    if (static_cast<std::uintmax_t>(size) > maxBytes) {
        result.status = FileContents::Status::TooLarge;
        return result;
    }
    in.seekg(0);
    result.bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(result.bytes.data()), size);
    if (!in || in.gcount() != size) {
        result.bytes.clear();
        return result;
    }
    result.status = FileContents::Status::Ok;
    return result;
}

int ReplaceFileAtomically(std::wstring_view path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target = FsPath(path);
    std::filesystem::path temporary = target;
    temporary += std::wstring(kAtomicWriteSuffix);
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return LastErrorOr(kGenericIoError);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int code = LastErrorOr(kGenericIoError);
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return code;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return error.value() != 0 ? error.value() : kGenericIoError;
    }
    return 0;
}

int RenameFile(std::wstring_view from, std::wstring_view to) {
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(FsPath(to), error))) return EEXIST;
    std::filesystem::rename(FsPath(from), FsPath(to), error);
    if (!error) return 0;
    return error.value() != 0 ? error.value() : kGenericIoError;
}

namespace {

bool EndsWith(std::wstring_view text, std::wstring_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool EndsWithNoCase(std::wstring_view text, std::wstring_view end) {
    if (text.size() < end.size()) return false;
    const std::wstring_view tail = text.substr(text.size() - end.size());
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::towlower(tail[i]) != std::towlower(end[i])) return false;
    return true;
}

// The inverse of FsPath, for the last component.
std::wstring WideFileName(const std::filesystem::path& path) {
    if constexpr (sizeof(wchar_t) == 2) {
        return path.filename().wstring();
    } else {
        const std::u8string name = path.filename().u8string();
        return WideFromUtf8(std::string(name.begin(), name.end())).value_or(std::wstring());
    }
}

// "config0.bin.writing", "str0.ini.writing.writing" (a copy of a copy): the program's own.
bool IsWriteLeftover(std::wstring_view name) {
    if (!EndsWith(name, kAtomicWriteSuffix)) return false;
    while (EndsWith(name, kAtomicWriteSuffix)) name.remove_suffix(kAtomicWriteSuffix.size());
    const bool named = name.size() > 4;
    return named && (EndsWithNoCase(name, L".bin") || EndsWithNoCase(name, L".ini"));
}

}  // namespace

std::vector<std::wstring> RemoveAtomicWriteLeftovers(std::wstring_view folder) {
    std::vector<std::wstring> removed;
    std::error_code error;
    std::filesystem::directory_iterator entries(FsPath(folder), error);
    if (error) return removed;
    for (const std::filesystem::directory_entry& entry : entries) {
        std::error_code entryError;
        if (!entry.is_regular_file(entryError)) continue;
        const std::wstring name = WideFileName(entry.path());
        if (!IsWriteLeftover(name)) continue;
        if (std::filesystem::remove(entry.path(), entryError)) removed.push_back(name);
    }
    return removed;
}

}  // namespace ravix
