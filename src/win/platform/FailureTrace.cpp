#include "win/platform/FailureTrace.h"

#include "core/device/TransferTrace.h"
#include "core/platform/TextCodecs.h"

namespace ravix::win {

std::string FailureLine(std::string_view call, DWORD error, std::wstring_view subject) {
    std::string line = "ERROR " + std::string(call) + ' ' + std::to_string(error);
    if (!subject.empty()) line += ' ' + Utf8FromWide(subject);
    return line;
}

void FailureTrace::Failed(std::string_view call, std::wstring_view subject) const {
    const DWORD error = GetLastError();
    Failed(call, error, subject);
}

void FailureTrace::Failed(std::string_view call, DWORD error, std::wstring_view subject) const {
    if (m_sink) m_sink->Record(FailureLine(call, error, subject));
}

}  // namespace ravix::win
