#pragma once

// Key translations over a US keyboard layout. The same cases run natively against the portable US
// layout and under Wine against the system's layout, so both implementations must agree.
//
// Include this header in exactly one source file of a test executable and instantiate it with the
// layout under test, which must be a US English layout, inside namespace ravix:
//
//   INSTANTIATE_TEST_SUITE_P(Win32, KeyboardLayoutConformance,
//                            ::testing::Values(ravix::KeyboardLayoutImplementation{
//                                "Win32", [] { return std::make_unique<WinKeyboardLayout>(); }}),
//                            ravix::KeyboardLayoutImplementationName);

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/keys/KeyCodeTable.h"
#include "core/keys/KeyTranslation.h"
#include "core/keys/KeyboardLayout.h"

namespace ravix {

struct KeyboardLayoutImplementation {
    std::string name;  // letters and digits only: it becomes part of the test names
    std::function<std::unique_ptr<KeyboardLayout>()> make;
};

inline void PrintTo(const KeyboardLayoutImplementation& implementation, std::ostream* out) {
    *out << implementation.name;
}

inline std::string KeyboardLayoutImplementationName(
    const ::testing::TestParamInfo<KeyboardLayoutImplementation>& info) {
    return info.param.name;
}

class KeyboardLayoutConformance : public ::testing::TestWithParam<KeyboardLayoutImplementation> {
protected:
    void SetUp() override { m_layout = GetParam().make(); }

    const KeyboardLayout& layout() const { return *m_layout; }

private:
    std::unique_ptr<KeyboardLayout> m_layout;
};

// On a US layout every key sits where the table puts it, so each row translates both ways to itself.
TEST_P(KeyboardLayoutConformance, EveryRowTranslatesBothWays) {
    for (const auto& row : KeyCodeTable) {
        EXPECT_EQ(VirtualKeyToCode(row.virtualKey, layout()), std::optional<KeyCode>(row.keyCode))
            << "virtual key " << row.virtualKey;
        EXPECT_EQ(CodeToVirtualKey(static_cast<KeyCode>(row.keyCode), layout()),
                  std::optional<std::uint32_t>(row.virtualKey))
            << "code " << row.keyCode;
    }
}

TEST_P(KeyboardLayoutConformance, KeysWithoutRowHaveNoCode) {
    // The generic modifiers have no row; only their left and right forms do.
    for (std::uint32_t virtualKey : {0x00u, 0x10u, 0x11u, 0x12u, 0x03u, 0xDFu})
        EXPECT_EQ(VirtualKeyToCode(virtualKey, layout()), std::nullopt) << "virtual key " << virtualKey;
    for (KeyCode code : {0x00, 0x03, 0x32, 0x64, 0x66, 0x82, 0xFF})
        EXPECT_EQ(CodeToVirtualKey(code, layout()), std::nullopt) << "code " << int(code);
}

TEST_P(KeyboardLayoutConformance, NotableVirtualKeys) {
    EXPECT_EQ(VirtualKeyToCode(0xA0, layout()), std::optional<KeyCode>(0xE1));  // left Shift
    EXPECT_EQ(VirtualKeyToCode(0x6C, layout()), std::optional<KeyCode>(0x58));  // keypad Enter
    EXPECT_EQ(VirtualKeyToCode(0xF0, layout()), std::optional<KeyCode>(0xF0));  // left mouse button
}

TEST_P(KeyboardLayoutConformance, LettersAndDigitsAreNamedByTheirUpperCaseCharacter) {
    for (KeyCode code = 0x04; code <= 0x1D; ++code)
        EXPECT_EQ(CodeToKeyName(code, layout()), std::wstring(1, static_cast<wchar_t>(L'A' + code - 0x04)));
    for (KeyCode code = 0x1E; code <= 0x26; ++code)
        EXPECT_EQ(CodeToKeyName(code, layout()), std::wstring(1, static_cast<wchar_t>(L'1' + code - 0x1E)));
    EXPECT_EQ(CodeToKeyName(0x27, layout()), L"0");
}

TEST_P(KeyboardLayoutConformance, CodesAreNamedForDisplay) {
    struct Case {
        KeyCode code;
        std::wstring_view name;
    } cases[] = {
        {0x28, L"Enter"},     {0x29, L"Esc"},     {0x2A, L"BackSpace"}, {0x2B, L"Tab"},      {0x2C, L"Space"},
        {0x2D, L"-"},         {0x2E, L"="},       {0x2F, L"["},         {0x30, L"]"},        {0x31, L"\\"},
        {0x32, L""},          {0x33, L";"},       {0x34, L"'"},         {0x35, L"`"},        {0x36, L","},
        {0x37, L"."},         {0x38, L"/"},       {0x39, L"Caps Lock"}, {0x3A, L"F1"},       {0x45, L"F12"},
        {0x58, L"Num Enter"}, {0x4F, L"R Arrow"}, {0xE7, L"R Windows"}, {0xF2, L"M Button"}, {0x00, L""},
        {0x03, L""},          {0x66, L""},        {0xFF, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(CodeToKeyName(c.code, layout()), c.name) << "code " << int(c.code);
}

TEST_P(KeyboardLayoutConformance, VirtualKeysAreNamedByFixedNameOrCharacter) {
    struct Case {
        std::uint32_t virtualKey;
        std::wstring_view name;
    } cases[] = {
        {0x41, L"A"},
        {0x5A, L"Z"},
        {0x37, L"7"},
        {0x08, L"BackSpace"},
        {0x0D, L"Enter"},
        {0x14, L"Caps Lock"},
        {0x1B, L"Esc"},
        {0x20, L"Space"},
        {0x09, L"Tab"},
        {0xBD, L"-"},
        {0xDB, L"["},
        {0xBA, L";"},
        // Keys that produce no character have no name here.
        {0x70, L""},
        {0xA0, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyToName(c.virtualKey, layout()), c.name) << "virtual key " << c.virtualKey;
}

}  // namespace ravix
