#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/keys/KeyNames.h"
#include "core/keys/UsKeyboardLayout.h"
#include "tests/conformance/KeyboardLayoutConformance.h"

namespace ravix {
namespace {

INSTANTIATE_TEST_SUITE_P(Portable, KeyboardLayoutConformance,
                         ::testing::Values(KeyboardLayoutImplementation{
                             "UsTable", [] { return std::make_unique<UsKeyboardLayout>(); }}),
                         KeyboardLayoutImplementationName);

std::uint32_t Keystroke(std::uint8_t scanCode, bool extended = false) {
    return (std::uint32_t{scanCode} << 16) | (extended ? 1u << 24 : 0u) | 1u;
}

TEST(UsKeyboardLayout, NamesKeystrokesAsAnEnglishSystemDoes) {
    struct Case {
        std::uint32_t flags;
        std::wstring_view name;
    } cases[] = {
        {Keystroke(0x1E), L"A"},
        {Keystroke(0x0B), L"0"},
        {Keystroke(0x0C), L"-"},
        {Keystroke(0x2B), L"\\"},
        {Keystroke(0x0E), L"Backspace"},
        {Keystroke(0x1D), L"Ctrl"},
        {Keystroke(0x1D, true), L"Right Ctrl"},
        {Keystroke(0x1C, true), L"Num Enter"},
        {Keystroke(0x45), L"Pause"},
        {Keystroke(0x45, true), L"Num Lock"},
        {Keystroke(0x46, true), L"Break"},
        {Keystroke(0x53), L"Num Del"},
        {Keystroke(0x53, true), L"Delete"},
        {Keystroke(0x5D, true), L"Application"},
        {Keystroke(0x7F), L""},
    };
    const UsKeyboardLayout layout;
    for (const auto& c : cases) EXPECT_EQ(layout.KeystrokeName(c.flags), c.name) << c.flags;
}

// What the recorder stores for a key must encode to the same code as capturing that key would give,
// so a recorded macro and an assigned key send the same usage.
TEST(UsKeyboardLayout, RecordedKeyNamesEncodeToTheKeysOwnCode) {
    const UsKeyboardLayout layout;
    std::vector<std::wstring> unknown;
    for (const LayoutKey& key : layout.keys()) {
        const std::wstring name = layout.KeystrokeName(Keystroke(key.scanCode, key.extended));
        const KeyCode code = KeyNameToCode(name);
        if (code == kNoKey) {
            unknown.push_back(name);
            continue;
        }
        // The capture dialog hands keypad Enter over as the separator key.
        const std::uint32_t virtualKey = name == L"Num Enter" ? 0x6C : key.virtualKey;
        EXPECT_EQ(VirtualKeyToCode(virtualKey, layout), std::optional<KeyCode>(code)) << name;
    }
    EXPECT_EQ(unknown, (std::vector<std::wstring>{L"Break", L"Application"}));
}

}  // namespace
}  // namespace ravix
