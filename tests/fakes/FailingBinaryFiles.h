#pragma once

#include <string>
#include <vector>

#include "core/platform/BinaryFiles.h"

namespace ravix {

// Binary files that fail the n-th replacement (counted from 1; 0 never), as a full disk would, and
// keep the path of every replacement asked for, the failed one too.
class FailingBinaryFiles final : public BinaryFiles {
public:
    FailingBinaryFiles(BinaryFiles& files, int failAt) : m_files(files), m_failAt(failAt) {}
    bool Exists(const std::wstring& path) const override { return m_files.Exists(path); }
    FileContents Read(const std::wstring& path, std::size_t maxBytes) const override {
        return m_files.Read(path, maxBytes);
    }
    int Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) override {
        replaced.push_back(path);
        return static_cast<int>(replaced.size()) == m_failAt ? kError : m_files.Replace(path, bytes);
    }
    int Rename(const std::wstring& from, const std::wstring& to) override { return m_files.Rename(from, to); }

    static constexpr int kError = 112;
    std::vector<std::wstring> replaced;

private:
    BinaryFiles& m_files;
    int m_failAt;
};

}  // namespace ravix
