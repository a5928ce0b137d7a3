#pragma once

#include <windows.h>

#include "core/store/ProfileFileDialogs.h"
#include "win/platform/FailureTrace.h"

namespace ravix::win {

// The system's open and save file dialogs for profile files, owned by the main window. A dialog that
// fails (rather than being cancelled) is noted in the trace given, if any, with the dialog's error.
class WinProfileFileDialogs final : public ProfileFileDialogs {
public:
    explicit WinProfileFileDialogs(HWND owner = nullptr, TransferSink* trace = nullptr)
        : m_owner(owner), m_failures(trace) {}
    void SetOwner(HWND owner) { m_owner = owner; }

    std::optional<std::wstring> ChooseFileToImport(const std::wstring& proposedPath) override;
    std::optional<std::wstring> ChooseFileToExport(const std::wstring& proposedPath) override;

private:
    std::optional<std::wstring> Choose(const std::wstring& proposedPath, bool open);

    HWND m_owner;
    FailureTrace m_failures;
};

}  // namespace ravix::win
