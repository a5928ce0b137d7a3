#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/TextCatalogue.h"
#include "core/editor/ClientGeometry.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// The Scroll Speed page: a choice between scrolling a number of lines and one screen per wheel
// notch, an edit box with the number of lines and two step buttons beside it. Places are given from
// the body's top-left corner.
inline constexpr int kScrollLinesBoxId = 121;
inline constexpr int kFewestScrollLines = 1;
inline constexpr int kMostScrollLines = 100;

enum class ScrollChoice { Lines, Screen };

ClientRect ScrollChoiceRect(ClientPoint body, ScrollChoice choice);
// Right of the choice's image.
ClientRect ScrollChoiceCaptionRect(ClientPoint body, ScrollChoice choice);
const std::wstring& ScrollChoiceCaption(const TextCatalogue& texts, ScrollChoice choice);
ClientRect ScrollLinesBoxRect(ClientPoint body);
ClientRect ScrollStepRect(ClientPoint body, int step);  // +1 up, -1 down

ScrollChoice ChosenScroll(const ProfileSettings& settings);
// "/MouseAttribute/ScrollSpeed/Enable.png" for the chosen one, "Disable.png" for the other.
std::wstring_view ScrollChoiceImageName(const ProfileSettings& settings, ScrollChoice choice);

// What a press in the body hits.
struct ScrollSpeedTarget {
    std::optional<ScrollChoice> choice;
    int step = 0;  // +1 up, -1 down, 0 none
};
ScrollSpeedTarget ScrollSpeedTargetAt(ClientPoint body, ClientPoint press);

// Stores the choice; true when it changed.
bool ChooseScroll(ProfileSettings& settings, ScrollChoice choice);

// The number of lines after a step, kept inside 1..100 (a foreign value steps from the nearest
// valid one).
std::uint8_t SteppedScrollLines(std::uint8_t lines, int step);

// The number of lines the box's text gives: its leading digits, or 1 with the text replaced by "1"
// when they are outside 1..100.
struct ScrollLinesReading {
    std::uint8_t lines = kFewestScrollLines;
    std::optional<std::wstring> correction;
};
ScrollLinesReading ReadScrollLinesBox(std::wstring_view text);

// The text the box is created with: the stored number, the nearest valid one for a foreign value.
std::wstring ScrollLinesBoxText(const ProfileSettings& settings);

}  // namespace ravix
