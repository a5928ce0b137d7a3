#include "core/keys/TableKeyboardLayout.h"

namespace ravix {

const LayoutKey* TableKeyboardLayout::KeyOfVirtualKey(std::uint32_t virtualKey) const {
    if (virtualKey == 0) return nullptr;
    for (const auto& key : m_keys)
        if (key.virtualKey == virtualKey) return &key;
    return nullptr;
}

std::uint32_t TableKeyboardLayout::VirtualKeyToScanCode(std::uint32_t virtualKey) const {
    const LayoutKey* key = KeyOfVirtualKey(virtualKey);
    return key != nullptr ? key->scanCode : 0;
}

std::uint32_t TableKeyboardLayout::ScanCodeToVirtualKey(std::uint32_t scanCode) const {
    for (const auto& key : m_keys)
        if (!key.extended && key.scanCode == scanCode) return key.virtualKey;
    return 0;
}

std::optional<std::uint16_t> TableKeyboardLayout::UnshiftedCharacter(std::uint32_t virtualKey,
                                                                     std::uint32_t /*scanCode*/) const {
    const LayoutKey* key = KeyOfVirtualKey(virtualKey);
    if (key == nullptr || key->character == 0) return std::nullopt;
    return static_cast<std::uint16_t>(key->character);
}

std::wstring TableKeyboardLayout::KeystrokeName(std::uint32_t keystrokeFlags) const {
    const auto scanCode = static_cast<std::uint8_t>(keystrokeFlags >> 16);
    const bool extended = (keystrokeFlags >> 24) & 1;
    for (const auto& key : m_keys) {
        if (key.scanCode != scanCode || key.extended != extended) continue;
        if (!key.name.empty()) return std::wstring(key.name);
        wchar_t c = key.character;
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
        return c != 0 ? std::wstring(1, c) : std::wstring();
    }
    return {};
}

}  // namespace ravix
