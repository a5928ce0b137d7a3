#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/platform/FileIo.h"

namespace ravix {

// Whole-file access for the program's binary files (the profile configuration files).
class BinaryFiles {
public:
    virtual ~BinaryFiles() = default;
    virtual bool Exists(const std::wstring& path) const = 0;
    // The whole file, or a status saying why not; a file above `maxBytes` is not read.
    virtual FileContents Read(const std::wstring& path, std::size_t maxBytes) const = 0;
    // Replaces the file atomically (written beside, then moved over it); 0 on success, otherwise
    // the system's error code, which the user is shown.
    virtual int Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) = 0;
    // Gives the file or folder at `from` the name `to`, never replacing what is there; 0 on
    // success, otherwise the system's error code.
    virtual int Rename(const std::wstring& from, const std::wstring& to) = 0;
};

class PortableBinaryFiles final : public BinaryFiles {
public:
    bool Exists(const std::wstring& path) const override { return FileExists(path); }
    FileContents Read(const std::wstring& path, std::size_t maxBytes) const override {
        return ReadWholeFile(path, maxBytes);
    }
    int Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) override {
        return ReplaceFileAtomically(path, bytes);
    }
    int Rename(const std::wstring& from, const std::wstring& to) override { return RenameFile(from, to); }
};

}  // namespace ravix
