#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/dialogs/ColourControls.h"
#include "core/keys/KeyCode.h"
#include "core/keys/KeyboardLayout.h"

namespace ravix {

// The key report the keyboard hook sends the capture dialogs: WM_USER + 10, the virtual key in
// wParam and the extended-key flag in bit 0 of lParam.
inline constexpr unsigned kKeyReportMessage = 0x0400 + 10;

// The code a key report captures: the keypad's Enter (Enter with the extended flag) is told from
// the main Enter. Nothing for a key the mouse has no code for, which leaves the field as it was.
std::optional<KeyCode> KeyReportCode(std::uintptr_t virtualKey, std::intptr_t flags, const KeyboardLayout& layout);

// The parts of the two key capture dialogs, in their client areas.
enum class KeyDialogRegion { None, Close, Ok, Cancel, ModifierArea };

inline constexpr PixelRect kKeyDialogCloseRect{352, 6, 370, 24};
inline constexpr PixelRect kKeyDialogOkRect{250, 250, 308, 275};
inline constexpr PixelRect kKeyDialogCancelRect{314, 250, 372, 275};

// The single-key dialog: its prompt and the box that names the captured key.
inline constexpr PixelRect kSingleKeyPromptRect{34, 103, 180, 123};
inline constexpr PixelRect kSingleKeyNameRect{74, 129, 150, 143};

// The combination dialog: the modifier's name, the area that opens its list, the list, and the
// two key fields.
inline constexpr PixelRect kModifierNameRect{50, 70, 116, 84};
inline constexpr PixelRect kModifierAreaRect{50, 70, 132, 84};
inline constexpr PixelRect kModifierListRect{50, 87, 132, 227};
inline constexpr PixelRect kFirstKeyFieldRect{50, 120, 131, 134};
inline constexpr PixelRect kSecondKeyFieldRect{50, 170, 131, 184};

// The region under a point; the modifier area only counts in the combination dialog.
KeyDialogRegion KeyDialogRegionAt(PixelPoint point, bool combo);

}  // namespace ravix
