#include "core/macros/StoredMacro.h"

#include <algorithm>

#include "core/platform/DecimalText.h"

namespace ravix {

std::size_t MacroLinesToRead(std::int64_t itemCount) {
    return static_cast<std::size_t>(std::clamp<std::int64_t>(itemCount, 0, kMaxMacroLines));
}

std::uint16_t NormalisedRepeatCount(std::int64_t value) {
    return value >= 1 && value <= kMaxRepeatCount ? static_cast<std::uint16_t>(value) : 1;
}

std::uint16_t EffectiveRepeatCount(const StoredMacro& macro) {
    if (macro.loopTimeSelStatus == 0) return 1;
    return NormalisedRepeatCount(LeadingDecimal(macro.macroLoopTimes));
}

}  // namespace ravix
