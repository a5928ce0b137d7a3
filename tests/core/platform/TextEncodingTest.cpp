#include <gtest/gtest.h>

#include "core/platform/TextEncoding.h"

namespace ravix {
namespace {

TEST(TextEncoding, WideTextBecomesUtf8) {
    struct Case {
        std::wstring text;
        std::string expected;
    } cases[] = {
        {L"\\\\?\\HID#VID_04D9", "\\\\?\\HID#VID_04D9"},
        {L"caf\u00e9", "caf\xC3\xA9"},
        {L"\u6e38\u620f\u9f20\u6807", "\xE6\xB8\xB8\xE6\x88\x8F\xE9\xBC\xA0\xE6\xA0\x87"},
        {L"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ToUtf8(c.text), c.expected);
}

TEST(TextEncoding, InvalidCodeUnitsBecomeTheReplacementCharacter) {
    std::wstring lone(1, static_cast<wchar_t>(0xD800));
    EXPECT_EQ(ToUtf8(lone + L"x"), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace ravix
