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
