#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/macros/MacroRecorder.h"
#include "core/macros/StoredMacro.h"

namespace ravix {

// The manager refuses a thirteenth macro: the mouse has twelve slots.
inline constexpr std::size_t kMaxMacros = 12;
// Longest macro name the library accepts.
inline constexpr std::size_t kMaxMacroNameChars = 31;
// Longest delay the editor accepts: the largest the slot's long form can carry.
inline constexpr std::int64_t kMaxEditedDelayMs = 6553500;

// What the manager keeps from one of its runs to the next: the recorder (its state decides what
// Enter does) and the two tick boxes, which the first macro's values replace when it opens.
struct MacroManagerMemory {
    MacroRecorder recorder;
    bool recordDelays = false;
    bool useRepeatCount = false;
};

bool MacroListIsFull(std::size_t macroCount);

// The name of a new macro: the prefix and one more than the number after the last name's first "-",
// or the number of macros when the list is empty or the last name has no "-" ("Macro-0", "Macro-4"
// after "Macro-3"). A name already in the list is never given twice; the number goes up instead.
std::wstring NewMacroName(std::span<const std::wstring> names, std::wstring_view prefix);

// A typed macro name, made storable: blanks around it removed, cut to 31 characters. Nothing when
// the result is empty, cannot be a section name, or is another macro's name already.
std::optional<std::wstring> CommitMacroRename(std::wstring_view typed, std::span<const std::wstring> names,
                                              std::size_t renamedIndex);

enum class MouseButton { Left, Middle, Right };

struct ListChange {
    bool changed = false;                  // the open macro is to be saved
    std::optional<std::size_t> selection;  // the line to select afterwards
};

// Inserts a click of a mouse button (press and release) after the selected line, or as the whole
// list when the list is empty and nothing is selected.
ListChange InsertButtonClick(std::vector<std::wstring>& lines, std::optional<std::size_t> selected,
                             MouseButton button);

// Inserts a 50 ms delay before the selected line, unless that is the first line or it or the line
// before it is already a delay.
ListChange InsertDelay(std::vector<std::wstring>& lines, std::optional<std::size_t> selected);

// The line a committed delay edit gives: digits with "ms" (blanks allowed) become "<n> ms", at most
// 6553500. Nothing (the line stays unchanged) when the text has no "ms" or anything but digits.
std::optional<std::wstring> CommitDelayEdit(std::wstring_view typed);

struct RepeatCountField {
    std::uint16_t value = 1;
    bool reset = false;  // the field's text must become "1"
};

// The repeat-count field's value: anything outside 1..65535 becomes 1.
RepeatCountField NormaliseRepeatCount(std::wstring_view text);

// What saving the open macro writes; an empty list too, so that deleted lines do not come back.
StoredMacro OpenMacroToSave(std::wstring_view name, bool recordDelays, bool useRepeatCount,
                            std::wstring_view repeatCountText, std::span<const std::wstring> lines);

}  // namespace ravix
