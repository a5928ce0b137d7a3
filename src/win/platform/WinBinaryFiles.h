#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/platform/BinaryFiles.h"
#include "win/platform/FailureTrace.h"

namespace ravix::win {

// Writes `bytes` to a copy beside `path` (kAtomicWriteSuffix), then moves the copy over `path` in one
// step. 0 on success, otherwise the system's error code (GetLastError), which is what the user is shown.
int WinReplaceFile(const std::wstring& path, std::span<const std::uint8_t> bytes);

// BinaryFiles over the system's file functions, so that a failure carries the system's error code
// rather than the C runtime's error number. A failed replacement or rename is noted in `trace`.
class WinBinaryFiles final : public BinaryFiles {
public:
    explicit WinBinaryFiles(TransferSink* trace = nullptr) : m_failures(trace) {}

    bool Exists(const std::wstring& path) const override;
    FileContents Read(const std::wstring& path, std::size_t maxBytes) const override;
    int Replace(const std::wstring& path, std::span<const std::uint8_t> bytes) override;
    int Rename(const std::wstring& from, const std::wstring& to) override;

private:
    FailureTrace m_failures;
};

}  // namespace ravix::win
