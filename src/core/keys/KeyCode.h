#pragma once

#include <cstdint>

namespace ravix {

// One key as the mouse stores it: the HID keyboard usage of the key, a mouse button (0xF0..0xF2), or 0.
using KeyCode = std::uint8_t;

inline constexpr KeyCode kNoKey = 0x00;
// Second byte of a macro slot pair that carries a long delay instead of an event.
inline constexpr KeyCode kDelayExtensionMarker = 0x03;
inline constexpr KeyCode kLeftMouseButton = 0xF0;
inline constexpr KeyCode kRightMouseButton = 0xF1;
inline constexpr KeyCode kMiddleMouseButton = 0xF2;

// Codes whose stored value follows the key's position on the keyboard rather than its meaning.
inline constexpr KeyCode kFirstPositionalCode = 0x04;
inline constexpr KeyCode kLastPositionalCode = 0x45;
// Codes named by the active layout's character for the key (letters, digits, punctuation, editing keys).
inline constexpr KeyCode kLastLayoutNamedCode = 0x39;

// Modifier mask of a combination key: the modifier byte of a HID keyboard report.
using ModifierMask = std::uint8_t;

inline constexpr ModifierMask kLeftCtrl = 0x01;
inline constexpr ModifierMask kLeftShift = 0x02;
inline constexpr ModifierMask kLeftAlt = 0x04;
inline constexpr ModifierMask kLeftWin = 0x08;
inline constexpr ModifierMask kRightCtrl = 0x10;
inline constexpr ModifierMask kRightShift = 0x20;
inline constexpr ModifierMask kRightAlt = 0x40;
inline constexpr ModifierMask kRightWin = 0x80;

}  // namespace ravix
