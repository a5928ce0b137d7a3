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

// What a name stands for: nothing, a regular file, or something else (a folder, a pipe, a device).
enum class PathKind { Missing, RegularFile, NotRegularFile };
PathKind KindOfPath(std::wstring_view path);

struct FileContents {
    // NotRegular: the name is there but is a folder, a pipe or a device, not a file.
    enum class Status { Ok, Missing, NotRegular, TooLarge, Unreadable };
    Status status = Status::Missing;
    std::vector<std::uint8_t> bytes;
};

// The whole file, unless it is larger than `maxBytes` (a damaged or hostile file is never pulled
// into memory whole).
FileContents ReadWholeFile(std::wstring_view path, std::size_t maxBytes);

// The suffix of the copy an atomic replacement writes before it moves the copy over the file.
inline constexpr std::wstring_view kAtomicWriteSuffix = L".writing";

// Writes `bytes` to a file beside `path`, then renames it over `path`, so that a crash or a full
// disk leaves either the old file or the new one, never a truncated mix. Returns 0 on success,
// otherwise the system's error code.
int ReplaceFileAtomically(std::wstring_view path, std::span<const std::uint8_t> bytes);

// Gives the file or folder at `from` the name `to`, unless something has that name already. 0 on
// success, otherwise the system's error code.
int RenameFile(std::wstring_view from, std::wstring_view to);

// Removes what replacements cut short left in `folder`: files named after a profile or text file
// (".bin", ".ini") followed by kAtomicWriteSuffix, once or more. Nothing else is touched, nor
// anything in other folders. Gives the names removed.
std::vector<std::wstring> RemoveAtomicWriteLeftovers(std::wstring_view folder);

}  // namespace ravix
