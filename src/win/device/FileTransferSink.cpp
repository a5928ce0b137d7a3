#include "win/device/FileTransferSink.h"

#include <windows.h>

namespace ravix::win {

FileTransferSink::FileTransferSink(const std::wstring& path) : m_file(_wfopen(path.c_str(), L"ab")) {
    if (!m_file) OutputDebugStringW((L"Cannot open the transfer log " + path + L"\n").c_str());
}

void FileTransferSink::Record(std::string_view line) {
    if (!m_file) return;
    std::string whole(line);
    whole += '\n';
    const std::lock_guard hold(m_writing);
    std::fwrite(whole.data(), 1, whole.size(), m_file.get());
    std::fflush(m_file.get());
}

}  // namespace ravix::win
