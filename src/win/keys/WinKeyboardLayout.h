#pragma once

#include "core/keys/KeyboardLayout.h"

namespace ravix::win {

// The keyboard layout of the calling thread, as the system translates keys with it.
class WinKeyboardLayout final : public KeyboardLayout {
public:
    std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const override;
    std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const override;
    std::optional<std::uint16_t> UnshiftedCharacter(std::uint32_t virtualKey,
                                                    std::uint32_t scanCode) const override;
    std::wstring KeystrokeName(std::uint32_t keystrokeFlags) const override;
};

}  // namespace ravix::win
