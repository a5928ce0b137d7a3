#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/keys/KeyboardLayout.h"

namespace ravix {

// One physical key of a layout described by a table.
struct LayoutKey {
    std::uint8_t scanCode;  // set-1 make code
    bool extended;          // sent with the 0xE0 prefix
    std::uint32_t virtualKey;
    wchar_t character;       // produced with no key down and no toggle on; 0 if none
    std::wstring_view name;  // the key-name text; empty: the character, letters in upper case
};

// A keyboard layout given as a list of keys. Lookups take the first matching key, so a virtual key
// that two keys produce (Enter and keypad Enter) maps to the one listed first.
class TableKeyboardLayout : public KeyboardLayout {
public:
    explicit TableKeyboardLayout(std::span<const LayoutKey> keys) : m_keys(keys) {}

    std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const override;
    std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const override;
    std::optional<std::uint16_t> UnshiftedCharacter(std::uint32_t virtualKey,
                                                    std::uint32_t scanCode) const override;
    std::wstring KeystrokeName(std::uint32_t keystrokeFlags) const override;

    std::span<const LayoutKey> keys() const { return m_keys; }

private:
    const LayoutKey* KeyOfVirtualKey(std::uint32_t virtualKey) const;

    std::span<const LayoutKey> m_keys;
};

}  // namespace ravix
