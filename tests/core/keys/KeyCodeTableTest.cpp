#include <gtest/gtest.h>

#include <set>

#include "core/keys/KeyCodeTable.h"
#include "core/keys/KeyNames.h"

namespace ravix {
namespace {

bool HasVirtualKey(std::uint32_t virtualKey) {
    for (const auto& row : KeyCodeTable)
        if (row.virtualKey == virtualKey) return true;
    return false;
}

bool HasCode(std::uint32_t code) {
    for (const auto& row : KeyCodeTable)
        if (row.keyCode == code) return true;
    return false;
}

TEST(KeyCodeTable, EveryVirtualKeyAndCodeOccursOnce) {
    std::set<std::uint32_t> virtualKeys, codes, scanCodes;
    for (const auto& row : KeyCodeTable) {
        EXPECT_TRUE(virtualKeys.insert(row.virtualKey).second) << row.virtualKey;
        EXPECT_TRUE(codes.insert(row.keyCode).second) << row.keyCode;
        if (row.scanCode != 0) {
            EXPECT_TRUE(scanCodes.insert(row.scanCode).second) << row.scanCode;
        }
    }
    EXPECT_EQ(scanCodes.size(), 65u);
}

TEST(KeyCodeTable, OnlyPositionalCodesCarryAScanCode) {
    for (const auto& row : KeyCodeTable) {
        const bool positional = row.keyCode >= 0x04 && row.keyCode <= 0x45;
        EXPECT_EQ(row.scanCode != 0, positional) << "code " << row.keyCode;
    }
}

TEST(KeyCodeTable, RowsAreInTableOrder) {
    struct Case {
        std::size_t index;
        KeyCodeRow row;
    } cases[] = {
        {0, {0x41, 0x04, 0x1E}},  {25, {0x5A, 0x1D, 0x2C}}, {26, {0x31, 0x1E, 0x02}},
        {35, {0x30, 0x27, 0x0B}}, {36, {0x0D, 0x28, 0x1C}}, {52, {0x14, 0x39, 0x3A}},
        {53, {0x70, 0x3A, 0x3B}}, {64, {0x7B, 0x45, 0x58}}, {65, {0x2C, 0x46, 0}},
        {83, {0x6C, 0x58, 0}},    {89, {0x67, 0x5F, 0}},    {90, {0x66, 0x5E, 0}},
        {95, {0x5D, 0x65, 0}},    {96, {0xA2, 0xE0, 0}},    {108, {0xF4, 0xF4, 0}},
    };
    for (const auto& c : cases) {
        const KeyCodeRow& row = KeyCodeTable[c.index];
        EXPECT_EQ(row.virtualKey, c.row.virtualKey) << "row " << c.index;
        EXPECT_EQ(row.keyCode, c.row.keyCode) << "row " << c.index;
        EXPECT_EQ(row.scanCode, c.row.scanCode) << "row " << c.index;
    }
}

TEST(KeyCodeTable, GenericModifiersAndUnnamedCodesHaveNoRow) {
    for (std::uint32_t virtualKey : {0x10u, 0x11u, 0x12u}) EXPECT_FALSE(HasVirtualKey(virtualKey));
    for (std::uint32_t code : {0x32u, 0x64u, 0x82u}) EXPECT_FALSE(HasCode(code));
}

TEST(KeyNames, MacroKeyNamesAreComparedExactly) {
    struct Case {
        std::wstring_view name;
        KeyCode code;
    } cases[] = {
        {L"A", 0x04},
        {L"Z", 0x1D},
        {L"1", 0x1E},
        {L"0", 0x27},
        {L"Backspace", 0x2A},
        {L"\\", 0x31},
        {L"Eurpo(Note 2)", 0x32},
        {L"Caps Lock", 0x39},
        {L"F12", 0x45},
        {L"Prnt Scrn", 0x46},
        {L"Pause", 0x48},
        {L"Up", 0x52},
        {L"Num Del", 0x63},
        {L"Ctrl", 0xE0},
        {L"Right Ctrl", 0xE4},
        {L"Right Windows", 0xE7},
        {L"L-Button", 0xF0},
        {L"R-Button", 0xF1},
        {L"M-Button", 0xF2},
        // Case, surrounding blanks and names of other lists do not match.
        {L"a", 0x00},
        {L"ctrl", 0x00},
        {L"Ctrl ", 0x00},
        {L"", 0x00},
        {L"Break", 0x00},
        {L"Application", 0x00},
        {L"BackSpace", 0x00},
        {L"L Button", 0x00},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyNameToCode(c.name), c.code) << std::wstring(c.name);
}

TEST(KeyNames, EveryMacroKeyNameIsDistinctAndHasACode) {
    std::set<std::wstring_view> names;
    for (const auto& entry : MacroKeyNames()) {
        EXPECT_TRUE(names.insert(entry.name).second) << std::wstring(entry.name);
        EXPECT_NE(entry.code, kNoKey) << std::wstring(entry.name);
        EXPECT_EQ(KeyNameToCode(entry.name), entry.code) << std::wstring(entry.name);
    }
    EXPECT_EQ(names.size(), 107u);
}

TEST(KeyNames, CodesOutsideTheDisplayTableHaveNoName) {
    const std::pair<int, int> unnamed[] = {
        {0x00, 0x03}, {0x66, 0x81}, {0x83, 0xDF}, {0xE8, 0xEF}, {0xF5, 0xFF}};
    for (const auto& [first, last] : unnamed)
        for (int code = first; code <= last; ++code)
            EXPECT_EQ(DisplayName(static_cast<KeyCode>(code)), L"") << "code " << code;
    EXPECT_EQ(DisplayName(0x64), L"Europe 2");
    EXPECT_EQ(DisplayName(0x82), L"Sleep");
    EXPECT_EQ(DisplayName(0xF4), L"Button 4");
}

TEST(ModifierNames, NamesAndMasksTranslateBothWaysInDialogOrder) {
    ModifierMask expectedMask = 0x01;
    for (const auto& entry : ModifierNames()) {
        EXPECT_EQ(entry.mask, expectedMask);
        EXPECT_EQ(ModifierNameToMask(entry.name), entry.mask);
        EXPECT_EQ(ModifierMaskToName(entry.mask), entry.name);
        expectedMask = static_cast<ModifierMask>(expectedMask << 1);
    }
    EXPECT_EQ(ModifierNames().front().name, L"Left Ctrl");
    EXPECT_EQ(ModifierNameToMask(L"Right Win"), 0x80);
}

TEST(ModifierNames, OnlyExactNamesAndSingleBitsTranslate) {
    for (ModifierMask mask : {0x00, 0x03, 0x81, 0xFF}) EXPECT_EQ(ModifierMaskToName(mask), L"") << int(mask);
    for (std::wstring_view name : {L"right win", L"Right Windows", L"Ctrl", L""})
        EXPECT_EQ(ModifierNameToMask(name), 0) << std::wstring(name);
}

}  // namespace
}  // namespace ravix
