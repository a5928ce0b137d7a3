#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/dialogs/ColourControls.h"
#include "core/macros/MacroEncoder.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The macro manager's parts, in its client area.
enum class MacroManagerRegion {
    None,
    Title,
    SelectHeading,
    KeyActionsHeading,
    RecordOptionHeading,
    MacroList,
    KeyList,
    Record,
    RecordDelaysLabel,
    RecordDelaysBox,
    UseRepeatCountBox,
    LoopTimesLabel,
    RepeatCountField,
    New,
    Delete,
    Ok,
    Cancel,
    Close
};
PixelRect MacroManagerRect(MacroManagerRegion region);

// The part a press lands on, among those that answer a press (buttons and tick boxes).
MacroManagerRegion MacroManagerPressAt(PixelPoint point);

// The macro assignment dialog's parts, in its client area.
enum class MacroAssignmentRegion {
    None,
    Close,
    Ok,
    Cancel,
    Prompt,
    NameBox,
    NameBoxClickArea,
    List,
    Mode0,
    Mode1,
    Mode2,
    ModeLabel0,
    ModeLabel1,
    ModeLabel2
};
PixelRect MacroAssignmentRect(MacroAssignmentRegion region);

// The part a press lands on, among those that answer a press.
MacroAssignmentRegion MacroAssignmentPressAt(PixelPoint point);

// A macro was deleted from the library at `position` (0 for the first): the buttons that played it
// are named, and the buttons that played a later macro follow it to its new, lower number.
struct MacroDeletionEffect {
    std::vector<int> playedDeleted;  // buttons 1..8, left as they were
    std::vector<int> playedLater;    // buttons 1..8, moved down by one

    bool Empty() const { return playedDeleted.empty() && playedLater.empty(); }
};
MacroDeletionEffect FollowMacroDeletion(ProfileSettings& settings, std::size_t position);

// What the manager tells the user.
std::wstring MacroDeletionWarning(const MacroDeletionEffect& effect, std::wstring_view deletedName,
                                  Language language);
std::wstring MacroCutWarning(std::span<const MacroCut> cuts, Language language);
std::wstring MacroRenameRefused(Language language);
std::wstring MacroLibraryWriteFailed(int error, Language language);
std::wstring NoMacroToAssign(Language language);

}  // namespace ravix
