#pragma once

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "core/device/TransferTrace.h"

namespace ravix::win {

// A transfer log appended to a file, one line per transfer. Each line is on disk as soon as it is
// recorded, so the log is complete however the process ends. Lines may come from the listener
// thread as well as the main one: each is written whole.
class FileTransferSink final : public TransferSink {
public:
    explicit FileTransferSink(const std::wstring& path);

    bool IsOpen() const { return m_file != nullptr; }
    void Record(std::string_view line) override;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::mutex m_writing;
};

}  // namespace ravix::win
