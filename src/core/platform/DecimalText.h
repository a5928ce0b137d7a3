#pragma once

#include <string_view>

namespace ravix {

// The number at the start of a text, the way the program has always read numbers from its files:
// leading white space, an optional sign, then decimal digits up to the first other character.
// A text without digits gives 0; a number beyond the range of int gives the nearest limit.
int LeadingDecimal(std::wstring_view text);

}  // namespace ravix
