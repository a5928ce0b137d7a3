#include "core/platform/DecimalText.h"

#include <algorithm>
#include <limits>

namespace ravix {

std::int64_t LeadingDecimal64(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        const int digit = text[i] - L'0';
        if (value > (kMax - digit) / 10) {
            value = kMax;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

int LeadingDecimal(std::wstring_view text) {
    return static_cast<int>(std::clamp<std::int64_t>(LeadingDecimal64(text), std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace ravix
