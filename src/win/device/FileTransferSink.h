#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/device/TransferTrace.h"

namespace ravix::win {

// A transfer log appended to a file, one line per transfer. Each line is on disk as soon as it is
// recorded, so the log is complete however the process ends.
class FileTransferSink final : public TransferSink {
public:
    explicit FileTransferSink(const std::wstring& path);
    ~FileTransferSink() override;
    FileTransferSink(const FileTransferSink&) = delete;
    FileTransferSink& operator=(const FileTransferSink&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    void Record(std::string_view line) override;

private:
    std::FILE* file_ = nullptr;
};

}  // namespace ravix::win
