#pragma once

#include <windows.h>

#include "core/platform/Notifier.h"
#include "win/platform/FailureTrace.h"

namespace ravix::win {

// Message boxes with an OK button, owned by a window of the program (or by none). A box the system
// could not show is noted in the trace given, if any.
class WinNotifier final : public Notifier {
public:
    explicit WinNotifier(HWND owner = nullptr, TransferSink* trace = nullptr) : m_owner(owner), m_failures(trace) {}
    void SetOwner(HWND owner) { m_owner = owner; }
    void ShowMessage(const std::wstring& text, const std::wstring& caption) override;

private:
    HWND m_owner;
    FailureTrace m_failures;
};

}  // namespace ravix::win
