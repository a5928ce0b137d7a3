#pragma once

#include <string>
#include <string_view>

namespace ravix {

// UTF-8 for console and log output of wide texts (UTF-16 on Windows, UTF-32 elsewhere).
// A lone surrogate or an invalid code point becomes U+FFFD instead of broken bytes.
std::string ToUtf8(std::wstring_view text);

}  // namespace ravix
