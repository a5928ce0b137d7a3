#include "win/platform/WinBinaryFiles.h"

#include <windows.h>

#include "core/platform/FileIo.h"
#include "win/device/UniqueHandle.h"

namespace ravix::win {
namespace {

// Writes the whole of `bytes` into a new file; 0 or the system's error code.
int WriteNewFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return static_cast<int>(GetLastError());
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD step = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        if (!WriteFile(file.Get(), bytes.data() + written, chunk, &step, nullptr) || step == 0)
            return static_cast<int>(GetLastError());
        written += step;
    }
    if (!FlushFileBuffers(file.Get())) return static_cast<int>(GetLastError());
    return 0;
}

}  // namespace

int WinReplaceFile(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const std::wstring copy = path + std::wstring(kAtomicWriteSuffix);
    int error = WriteNewFile(copy, bytes);
    if (error == 0 &&
        !MoveFileExW(copy.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = static_cast<int>(GetLastError());
    if (error != 0) DeleteFileW(copy.c_str());
    return error;
}

bool WinBinaryFiles::Exists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileContents WinBinaryFiles::Read(const std::wstring& path, std::size_t maxBytes) const {
    return ReadWholeFile(path, maxBytes);
}

int WinBinaryFiles::Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) {
    const int error = WinReplaceFile(path, bytes);
    if (error != 0) m_failures.Failed("ReplaceFileAtomically", static_cast<DWORD>(error), path);
    return error;
}

int WinBinaryFiles::Rename(const std::wstring& from, const std::wstring& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), 0)) return 0;
    const DWORD error = GetLastError();
    m_failures.Failed("MoveFileExW", error, from);
    return static_cast<int>(error);
}

}  // namespace ravix::win
