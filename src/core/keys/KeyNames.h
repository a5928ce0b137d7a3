#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/keys/KeyCode.h"

namespace ravix {

struct NamedKeyCode {
    std::wstring_view name;
    KeyCode code;
};

// The key names a recorded macro line may hold (the English key-name texts plus the three mouse
// buttons the macro manager inserts), in the order in which they are compared.
std::span<const NamedKeyCode> MacroKeyNames();

// The display name of a code that the layout does not name (codes outside 0x04..0x39); empty if none.
std::wstring_view DisplayName(KeyCode code);

// The name of the six editing keys whose name does not come from the layout; empty for other keys.
std::wstring_view FixedVirtualKeyName(std::uint32_t virtualKey);

// The code of a macro key name, compared exactly; 0 for any other text.
KeyCode KeyNameToCode(std::wstring_view name);

struct ModifierName {
    std::wstring_view name;
    ModifierMask mask;
};

// The eight modifiers in the order the combination-key dialog lists them.
std::span<const ModifierName, 8> ModifierNames();

// The mask of one of the eight modifier names; 0 for any other text.
ModifierMask ModifierNameToMask(std::wstring_view name);

// The name of a mask holding exactly one modifier bit; empty for none or several.
std::wstring_view ModifierMaskToName(ModifierMask mask);

}  // namespace ravix
