#include "win/keys/WinKeyboardLayout.h"

#include <windows.h>

#include <array>

namespace ravix::win {

std::uint32_t WinKeyboardLayout::VirtualKeyToScanCode(std::uint32_t virtualKey) const {
    return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

std::uint32_t WinKeyboardLayout::ScanCodeToVirtualKey(std::uint32_t scanCode) const {
    return MapVirtualKeyW(scanCode, MAPVK_VSC_TO_VK_EX);
}

std::optional<std::uint16_t> WinKeyboardLayout::UnshiftedCharacter(std::uint32_t virtualKey,
                                                                     std::uint32_t scanCode) const {
    // No key down and no toggle on: the key's plain character.
    const std::array<BYTE, 256> noKeysDown{};
    WORD characters[2] = {};
    const int count = ToAscii(virtualKey, scanCode, noKeysDown.data(), characters, 0);
    if (count < 0) {
        // A dead key is now waiting to be combined with the user's next keystroke; translating it a
        // second time gives its spacing accent and leaves the user's typing as it was.
        ToAscii(virtualKey, scanCode, noKeysDown.data(), characters, 0);
        return characters[0];
    }
    if (count == 0) return std::nullopt;
    return characters[0];
}

std::wstring WinKeyboardLayout::KeystrokeName(std::uint32_t keystrokeFlags) const {
    std::array<wchar_t, 64> name{};
    const int length =
        GetKeyNameTextW(static_cast<LONG>(keystrokeFlags), name.data(), static_cast<int>(name.size()));
    return length > 0 ? std::wstring(name.data(), static_cast<std::size_t>(length)) : std::wstring();
}

}  // namespace ravix::win
