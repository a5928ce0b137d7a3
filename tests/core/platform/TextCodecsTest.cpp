#include <gtest/gtest.h>

#include "core/platform/TextCodecs.h"

namespace ravix {
namespace {

TEST(TextCodecs, RoundTripsEveryPlaneThroughUtf8AndUtf16) {
    const std::wstring text = std::wstring(L"A \u00E9 \u4E2D ") + WideFromUtf8("\xF0\x9F\x96\xB1").value();
    EXPECT_EQ(Utf8FromWide(text), "A \xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x96\xB1");
    const std::vector<std::uint8_t> utf16 = Utf16LeFromWide(text);
    // The mouse emoji is one surrogate pair on either side, whatever the width of wchar_t.
    ASSERT_EQ(utf16.size(), 2u * 8);
    EXPECT_EQ(utf16[12], 0x3D);
    EXPECT_EQ(utf16[13], 0xD8);
    EXPECT_EQ(WideFromUtf16(utf16, false), text);
    EXPECT_EQ(WideFromUtf8(Utf8FromWide(text)), text);
}

TEST(TextCodecs, MalformedUtf8IsRefused) {
    for (const char* bytes :
         {"\xC3", "\xE4\xB8", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\xFF"}) {
        EXPECT_EQ(WideFromUtf8(bytes), std::nullopt) << bytes;
    }
}

TEST(TextCodecs, DamagedUtf16AndWindows1252) {
    const std::uint8_t loneSurrogateAndOddByte[] = {0x00, 0xD8, 0x41, 0x00, 0x42};
    EXPECT_EQ(WideFromUtf16(loneSurrogateAndOddByte, false), L"\uFFFDA\uFFFD");
    EXPECT_EQ(WideFromAnsi("\x80 caf\xE9"), L"\u20AC caf\u00E9");
}

}  // namespace
}  // namespace ravix
