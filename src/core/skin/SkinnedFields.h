#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravix {

// Rules of the small skinned input fields: the numbers-only edit field and the spin field built on
// it.

// With numbers only, the keys an edit field lets through: the digits of the main keyboard,
// Backspace, Enter, End, Home, Left, Right, Delete, comma and period. Everything else, the keypad's
// digits, Up, Down and Tab included, is swallowed.
bool IsDecimalFieldKey(unsigned virtualKey);

// With numbers only, the text an edit field shows after a change: none when the text consists of
// digits, commas, periods and the capitals A to F only (hexadecimal text is left alone); otherwise
// the digits, periods and commas of the text, in their order.
std::optional<std::wstring> DecimalFieldCorrection(std::wstring_view text);

struct SpinRange {
    int minimum = 0;
    int maximum = 10;
    int step = 1;
};

// The value rounded to the nearest multiple of the step (halves away from zero for positive
// values, integer arithmetic truncating toward zero); a step below 1 counts as 1.
int RoundToStep(int value, int step);

// What a spin field does with its text after every change.
struct SpinOutcome {
    int value = 0;                           // told to the owner
    std::optional<std::wstring> correction;  // the text that replaces the field's text, if any
};

// The text read as a decimal number (leading blanks skipped, no digits gives 0), rounded to the
// step and kept inside the range; when that differs from the typed number the field's text is
// replaced by the corrected number.
SpinOutcome NormaliseSpinText(std::wstring_view text, const SpinRange& range);

}  // namespace ravix

namespace ravix {

// The scroll thumb of the main window's right panel may be dragged only along its bar: its top
// stays at 32 or below, its bottom above 596, and its left edge at 984.
inline constexpr int kThumbTopLimit = 32;
inline constexpr int kThumbBottomLimit = 596;
inline constexpr int kThumbLeft = 984;

// The thumb's new top after a vertical drag of `dy` pixels from the rectangle (left, top, bottom)
// in its parent, or none when that place is outside the bar.
std::optional<int> DraggedThumbTop(int left, int top, int bottom, int dy);

}  // namespace ravix
