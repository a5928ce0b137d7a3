#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/keys/KeyCode.h"
#include "core/keys/KeyboardLayout.h"

namespace ravix {

// The code the mouse stores for a virtual key; nothing when the key has no row. Letters, digits,
// punctuation, the editing keys and F1..F12 are stored by their position on the keyboard: on a layout
// where the key at the US "Q" position produces "A", that key still stores the "Q" code, and the host
// turns the usage back into "A" when the mouse sends it.
std::optional<KeyCode> VirtualKeyToCode(std::uint32_t virtualKey, const KeyboardLayout& layout);

// The virtual key that produces a code on the active layout; nothing when the code has no row or its
// position has no key on the layout.
std::optional<std::uint32_t> CodeToVirtualKey(KeyCode code, const KeyboardLayout& layout);

// The short name shown for a code in the capture dialogs and button labels; empty for codes without one.
std::wstring CodeToKeyName(KeyCode code, const KeyboardLayout& layout);

// The name of a virtual key: a fixed name for six editing keys, otherwise the key's unshifted
// character on the active layout (letters in upper case); empty when the key produces no character.
std::wstring VirtualKeyToName(std::uint32_t virtualKey, const KeyboardLayout& layout);

}  // namespace ravix
