#include "core/skin/SkinnedFields.h"

#include <algorithm>
#include <limits>

#include "core/platform/DecimalText.h"

namespace ravix {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsNumberCharacter(wchar_t c) { return IsDigit(c) || c == L',' || c == L'.'; }

bool IsHexCapital(wchar_t c) { return c >= L'A' && c <= L'F'; }

}  // namespace

bool IsDecimalFieldKey(unsigned virtualKey) {
    if (virtualKey >= 0x30 && virtualKey <= 0x39) return true;
    switch (virtualKey) {
        case 0x08:  // Backspace
        case 0x0D:  // Enter
        case 0x23:  // End
        case 0x24:  // Home
        case 0x25:  // Left
        case 0x27:  // Right
        case 0x2E:  // Delete
        case 0xBC:  // comma
        case 0xBE:  // period
            return true;
        default:
            return false;
    }
}

std::optional<std::wstring> DecimalFieldCorrection(std::wstring_view text) {
    const bool accepted = std::all_of(text.begin(), text.end(),
                                      [](wchar_t c) { return IsNumberCharacter(c) || IsHexCapital(c); });
    if (accepted) return std::nullopt;
    std::wstring kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), IsNumberCharacter);
    return kept;
}

int RoundToStep(int value, int step) {
    step = std::max(step, 1);
    const long long rounded = (static_cast<long long>(value) + step / 2) / step * step;
    return static_cast<int>(std::clamp<long long>(rounded, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

SpinOutcome NormaliseSpinText(std::wstring_view text, const SpinRange& range) {
    const int typed = LeadingDecimal(text);
    const int candidate = std::max(std::min(RoundToStep(typed, range.step), range.maximum), range.minimum);
    if (candidate == typed) return {typed, std::nullopt};
    return {candidate, std::to_wstring(candidate)};
}

}  // namespace ravix

namespace ravix {

std::optional<int> DraggedThumbTop(int left, int top, int bottom, int dy) {
    const long long newTop = static_cast<long long>(top) + dy, newBottom = static_cast<long long>(bottom) + dy;
    if (newTop < kThumbTopLimit || newBottom >= kThumbBottomLimit || left != kThumbLeft) return std::nullopt;
    return static_cast<int>(newTop);
}

}  // namespace ravix
