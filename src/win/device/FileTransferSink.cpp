#include "win/device/FileTransferSink.h"

#include <windows.h>

namespace ravix::win {

FileTransferSink::FileTransferSink(const std::wstring& path) : file_(_wfopen(path.c_str(), L"ab")) {
    if (!file_) OutputDebugStringW((L"Cannot open the transfer log " + path + L"\n").c_str());
}

FileTransferSink::~FileTransferSink() {
    if (file_) std::fclose(file_);
}

void FileTransferSink::Record(std::string_view line) {
    if (!file_) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace ravix::win
