#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ravix {
class TransferSink;
}

namespace ravix::win {

// Where an adapter notes a system call that failed, with the error the system gave for it, in the
// program's trace (the transfer log of --trace=FILE); an adapter given none notes nothing. The
// adapter still answers its caller with its plain result: the note only says why.
class FailureTrace {
public:
    explicit FailureTrace(TransferSink* sink = nullptr) : m_sink(sink) {}

    // Takes GetLastError() at once, so call it right after the call that failed.
    void Failed(std::string_view call, std::wstring_view subject = {}) const;
    void Failed(std::string_view call, DWORD error, std::wstring_view subject = {}) const;

    TransferSink* Sink() const { return m_sink; }

private:
    TransferSink* m_sink;
};

// The line noted for a failed call: "ERROR <call> <error>", then the file or device it was about.
std::string FailureLine(std::string_view call, DWORD error, std::wstring_view subject);

}  // namespace ravix::win
