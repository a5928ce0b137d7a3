#include "core/dialogs/KeyCaptureDialogs.h"

#include "core/keys/KeyTranslation.h"

namespace ravix {
namespace {

constexpr std::uintptr_t kEnterKey = 0x0D;
// The numeric keypad's separator key carries the keypad Enter's code in the key table.
constexpr std::uintptr_t kKeypadEnterKey = 0x6C;

}  // namespace

std::optional<KeyCode> KeyReportCode(std::uintptr_t virtualKey, std::intptr_t flags, const KeyboardLayout& layout) {
    if (virtualKey == kEnterKey && (flags & 1) != 0) virtualKey = kKeypadEnterKey;
    if (virtualKey > 0xFF) return std::nullopt;
    return VirtualKeyToCode(static_cast<std::uint32_t>(virtualKey), layout);
}

KeyDialogRegion KeyDialogRegionAt(PixelPoint point, bool combo) {
    if (kKeyDialogCloseRect.Contains(point)) return KeyDialogRegion::Close;
    if (kKeyDialogOkRect.Contains(point)) return KeyDialogRegion::Ok;
    if (kKeyDialogCancelRect.Contains(point)) return KeyDialogRegion::Cancel;
    if (combo && kModifierAreaRect.Contains(point)) return KeyDialogRegion::ModifierArea;
    return KeyDialogRegion::None;
}

}  // namespace ravix
