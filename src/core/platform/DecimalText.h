#pragma once

#include <cstdint>
#include <string_view>

namespace ravix {

// The number at the start of a text, the way the program has always read numbers from its files:
// leading white space, an optional sign, then decimal digits up to the first other character.
// A text without digits gives 0; a number beyond the range of int gives the nearest limit.
int LeadingDecimal(std::wstring_view text);

// The same reading for 64-bit values (macro delays); beyond the 64-bit range it saturates.
std::int64_t LeadingDecimal64(std::wstring_view text);

}  // namespace ravix
