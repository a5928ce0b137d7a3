#include "core/platform/FileIo.h"

#include <cerrno>
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

FileContents ReadWholeFile(std::wstring_view path, std::size_t maxBytes) {
    FileContents result;
    const std::filesystem::path fsPath = FsPath(path);
    std::error_code error;
    if (!std::filesystem::is_regular_file(fsPath, error)) return result;
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) {
        result.status = FileContents::Status::Unreadable;
        return result;
    }
    // Read one byte past the limit so that a file grown since it was measured is still refused.
    result.bytes.resize(maxBytes + 1);
    in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(result.bytes.size()));
    if (in.bad()) {
        result.bytes.clear();
        result.status = FileContents::Status::Unreadable;
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (result.bytes.size() > maxBytes) {
        result.bytes.clear();
        result.status = FileContents::Status::TooLarge;
        return result;
    }
    result.status = FileContents::Status::Ok;
    return result;
}

int ReplaceFileAtomically(std::wstring_view path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target = FsPath(path);
    std::filesystem::path temporary = target;
    temporary += ".writing";
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

}  // namespace ravix
