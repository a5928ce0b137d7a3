#pragma once

#include <windows.h>

#include "core/store/ProfileFileDialogs.h"

namespace ravix::win {

// The system's open and save file dialogs for profile files, owned by the main window.
class WinProfileFileDialogs final : public ProfileFileDialogs {
public:
    explicit WinProfileFileDialogs(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }

    std::optional<std::wstring> ChooseFileToImport(const std::wstring& proposedPath) override;
    std::optional<std::wstring> ChooseFileToExport(const std::wstring& proposedPath) override;

private:
    std::optional<std::wstring> Choose(const std::wstring& proposedPath, bool open);

    HWND m_owner;
};

}  // namespace ravix::win
