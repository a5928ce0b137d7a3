#pragma once

#include <cstdint>
#include <string_view>

namespace ravix {

// The decimal number a text starts with, as the macro files and fields are read: leading blanks
// skipped, an optional sign, then the leading digits; no digits gives 0. Values beyond the 64-bit
// range saturate instead of wrapping.
std::int64_t ReadLeadingDecimal(std::wstring_view text);

}  // namespace ravix
