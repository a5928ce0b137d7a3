#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ravix {

// The active keyboard layout, as the key tables and the recorder need it. The Win32 program answers
// from the system's layout; a portable table layout stands in elsewhere. Virtual keys and scan codes
// are plain integers; a scan code here is the one-byte set-1 make code without the extended prefix.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;

    // The scan code of the key that produces `virtualKey`; 0 when no key does.
    virtual std::uint32_t VirtualKeyToScanCode(std::uint32_t virtualKey) const = 0;

    // The virtual key of the (non-extended) key at `scanCode`, with left and right modifiers told
    // apart; 0 when there is no such key.
    virtual std::uint32_t ScanCodeToVirtualKey(std::uint32_t scanCode) const = 0;

    // The character the key produces with no key down and no toggle on, as an 8-bit or 16-bit
    // character code; nothing when the key produces no character.
    virtual std::optional<std::uint16_t> UnshiftedCharacter(std::uint32_t virtualKey,
                                                            std::uint32_t scanCode) const = 0;

    // The system's name of a keystroke given by its keyboard-message flags (scan code in bits 16..23,
    // extended-key flag in bit 24); empty when the system has none.
    virtual std::wstring KeystrokeName(std::uint32_t keystrokeFlags) const = 0;
};

}  // namespace ravix
