#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ravix {

// The event lines of a macro, as the library stores them and the manager shows them.
enum class MacroLineKind { Press, Release, Delay, Other };

inline constexpr std::wstring_view kPressMarker = L"   Dn";
inline constexpr std::wstring_view kReleaseMarker = L"   Up";

// A press marker wins over a release marker, and both over "ms"; anything else is kept but not played.
MacroLineKind ClassifyMacroLine(std::wstring_view line);

// Whether the text mentions milliseconds, which is what makes a line a delay.
bool MentionsMilliseconds(std::wstring_view line);

// The key name of a press or release line: the line without its markers.
std::wstring MacroLineKeyName(std::wstring_view line);

// The milliseconds a line holds: the number it starts with once every " ms" is removed; 0 without one.
std::int64_t MacroLineDelay(std::wstring_view line);

std::wstring PressLine(std::wstring_view keyName);
std::wstring ReleaseLine(std::wstring_view keyName);
std::wstring DelayLine(std::int64_t milliseconds);

}  // namespace ravix
