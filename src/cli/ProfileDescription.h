#pragma once

#include <string>
#include <vector>

#include "core/store/ProfileSettings.h"

namespace ravix {

// A profile file in words, one UTF-8 line per setting: profile number, first-run flag, report rate,
// DPI stages, lighting, pointer settings, angle snap, X/Y, each button's function and each macro
// slot's repeat count and number of events.
std::vector<std::string> DescribeProfile(std::uint8_t firstRunFlag, const ProfileSettings& settings);

// The events a macro slot image holds: its press and release pairs, without the extensions that
// carry long delays and without the zeros after the last pair.
std::size_t MacroEventCount(const ProfileSettings::MacroSlotImage& slot);

}  // namespace ravix
