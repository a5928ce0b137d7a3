#pragma once

#include <string>
#include <string_view>

#include "core/device/Discovery.h"

namespace ravix {

// One line about an examined interface: path, vendor, product, usage page, usage, report lengths
// and what it is to the program. For diagnostics only.
std::string DescribeInterface(const ExaminedInterface& examined);

// Why a search ended, in a few words.
std::string_view DescribeOutcome(DiscoveryOutcome outcome);

}  // namespace ravix
