#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ravix {

// One macro as its library section holds it, with missing or malformed keys already read as 0.
struct StoredMacro {
    std::wstring name;
    int delayTimeSelStatus = 0;       // record delays between key commands
    int loopTimeSelStatus = 0;        // use the macro's own repeat count
    std::wstring macroLoopTimes;      // repeat count, kept as text as the manager shows it
    std::vector<std::wstring> items;  // the event lines in order
};

// The most lines read from one section. A recording gives at most 127 lines and a slot holds at
// most 63 events, so this only guards against a damaged "ItemCount" such as two billion.
inline constexpr std::int64_t kMaxMacroLines = 1024;

// The number of lines to read for a stored "ItemCount": negatives read none, huge counts are capped.
std::size_t MacroLinesToRead(std::int64_t itemCount);

inline constexpr std::int64_t kMaxRepeatCount = 65535;

// A repeat count as the mouse can store it: values outside 1..65535 count as 1.
std::uint16_t NormalisedRepeatCount(std::int64_t value);

// The count the mouse plays: the stored count when the macro uses it, else once.
std::uint16_t EffectiveRepeatCount(const StoredMacro& macro);

}  // namespace ravix
