#include "core/platform/TextEncoding.h"

#include "core/platform/TextCodecs.h"

namespace ravix {

// One UTF-8 encoder serves files and console output alike.
std::string ToUtf8(std::wstring_view text) {
    return Utf8FromWide(text);
}

}  // namespace ravix
