#include <gtest/gtest.h>

#include "core/keys/KeyTranslation.h"
#include "core/keys/TableKeyboardLayout.h"

namespace ravix {
namespace {

// The character keys of a French AZERTY keyboard: A and Q, Z and W trade places, M sits where the US
// layout has the semicolon, and the digit row types symbols unshifted. The key at the US "[" position
// (a dead key on this layout) is left out, to show a position without a key.
constexpr LayoutKey kFrenchKeys[] = {
    {0x29, false, 0xDE, 0xB2, {}},                                 // ²
    {0x02, false, 0x31, L'&', {}}, {0x03, false, 0x32, 0xE9, {}},  // é
    {0x04, false, 0x33, L'"', {}}, {0x05, false, 0x34, L'\'', {}}, {0x06, false, 0x35, L'(', {}},
    {0x07, false, 0x36, L'-', {}}, {0x08, false, 0x37, 0xE8, {}},  // è
    {0x09, false, 0x38, L'_', {}}, {0x0A, false, 0x39, 0xE7, {}},  // ç
    {0x0B, false, 0x30, 0xE0, {}},                                 // à
    {0x0C, false, 0xDB, L')', {}}, {0x0D, false, 0xBB, L'=', {}},  {0x10, false, 0x41, L'a', {}},
    {0x11, false, 0x5A, L'z', {}}, {0x12, false, 0x45, L'e', {}},  {0x13, false, 0x52, L'r', {}},
    {0x14, false, 0x54, L't', {}}, {0x15, false, 0x59, L'y', {}},  {0x16, false, 0x55, L'u', {}},
    {0x17, false, 0x49, L'i', {}}, {0x18, false, 0x4F, L'o', {}},  {0x19, false, 0x50, L'p', {}},
    {0x1B, false, 0xBA, L'$', {}}, {0x1C, false, 0x0D, L'\r', {}}, {0x1E, false, 0x51, L'q', {}},
    {0x1F, false, 0x53, L's', {}}, {0x20, false, 0x44, L'd', {}},  {0x21, false, 0x46, L'f', {}},
    {0x22, false, 0x47, L'g', {}}, {0x23, false, 0x48, L'h', {}},  {0x24, false, 0x4A, L'j', {}},
    {0x25, false, 0x4B, L'k', {}}, {0x26, false, 0x4C, L'l', {}},  {0x27, false, 0x4D, L'm', {}},
    {0x28, false, 0xC0, 0xF9, {}},  // ù
    {0x2B, false, 0xDC, L'*', {}}, {0x2C, false, 0x57, L'w', {}},  {0x2D, false, 0x58, L'x', {}},
    {0x2E, false, 0x43, L'c', {}}, {0x2F, false, 0x56, L'v', {}},  {0x30, false, 0x42, L'b', {}},
    {0x31, false, 0x4E, L'n', {}}, {0x32, false, 0xBC, L',', {}},  {0x33, false, 0xBE, L';', {}},
    {0x34, false, 0xBF, L':', {}}, {0x35, false, 0xDF, L'!', {}},
};

class FrenchLayout : public ::testing::Test {
protected:
    TableKeyboardLayout layout{kFrenchKeys};
};

TEST_F(FrenchLayout, KeysStoreTheCodeOfTheirPosition) {
    struct Case {
        std::uint32_t virtualKey;
        std::optional<KeyCode> code;
    } cases[] = {
        {0x41, 0x14},          // "A" sits at the US "Q" position
        {0x51, 0x04},          // "Q" at the US "A" position
        {0x5A, 0x1A},          // "Z" at "W"
        {0x57, 0x1D},          // "W" at "Z"
        {0x4D, 0x33},          // "M" at ";"
        {0xBC, 0x10},          // "," at "M"
        {0x32, 0x1F},          // the "2" key types é, but is still the "2" position
        {0x45, 0x08},          // "E" does not move
        {0x0D, 0x28},          // Enter
        {0xDF, std::nullopt},  // "!" has a virtual key of its own that the table does not know
        // A virtual key with no key on this layout keeps its own row's code.
        {0xDD, 0x30},
    };
    for (const auto& c : cases) EXPECT_EQ(VirtualKeyToCode(c.virtualKey, layout), c.code) << c.virtualKey;
}

TEST_F(FrenchLayout, CodesAreNamedByTheKeyNowAtTheirPosition) {
    struct Case {
        KeyCode code;
        std::wstring_view name;
    } cases[] = {
        {0x14, L"A"},    {0x04, L"Q"},    {0x1A, L"Z"},     {0x1D, L"W"},  {0x33, L"M"},
        {0x10, L","},    {0x1F, L"\xE9"}, {0x27, L"\xE0"},  // accented letters stay lower case
        {0x35, L"\xB2"}, {0x31, L"*"},    {0x28, L"Enter"}, {0x3A, L"F1"}, {0x2F, L""},  // the position has
                                                                                         // no key on this
                                                                                         // layout
    };
    for (const auto& c : cases) EXPECT_EQ(CodeToKeyName(c.code, layout), c.name) << "code " << int(c.code);
}

TEST_F(FrenchLayout, EveryLetterPositionTranslatesBackToItself) {
    for (KeyCode code = 0x04; code <= 0x27; ++code) {
        const auto virtualKey = CodeToVirtualKey(code, layout);
        ASSERT_TRUE(virtualKey.has_value()) << "code " << int(code);
        EXPECT_EQ(VirtualKeyToCode(*virtualKey, layout), std::optional<KeyCode>(code))
            << "code " << int(code);
    }
}

}  // namespace
}  // namespace ravix
