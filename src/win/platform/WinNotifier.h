#pragma once

#include <windows.h>

#include "core/platform/Notifier.h"

namespace ravix::win {

// Message boxes with an OK button, owned by a window of the program (or by none).
class WinNotifier final : public Notifier {
public:
    explicit WinNotifier(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }
    void ShowMessage(const std::wstring& text, const std::wstring& caption) override;

private:
    HWND m_owner;
};

}  // namespace ravix::win
