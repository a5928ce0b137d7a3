#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// File access of the portable implementations. Paths are the program's wide strings; on systems
// whose file names are bytes they are stored as UTF-8, whatever the process locale says.
std::filesystem::path FsPath(std::wstring_view path);

bool FileExists(std::wstring_view path);

struct FileContents {
    enum class Status { Ok, Missing, TooLarge, Unreadable };
    Status status = Status::Missing;
    std::vector<std::uint8_t> bytes;
};

// The whole file, unless it is larger than `maxBytes` (a damaged or hostile file is never pulled
// into memory whole).
FileContents ReadWholeFile(std::wstring_view path, std::size_t maxBytes);

// Writes `bytes` to a file beside `path`, then renames it over `path`, so that a crash or a full
// disk leaves either the old file or the new one, never a truncated mix. Returns 0 on success,
// otherwise the system's error code.
int ReplaceFileAtomically(std::wstring_view path, std::span<const std::uint8_t> bytes);

}  // namespace ravix
