#include <gtest/gtest.h>

#include "core/macros/MacroManagerRules.h"

namespace ravix {
namespace {

using Lines = std::vector<std::wstring>;

TEST(NewMacroName, FollowsTheLastNamesNumber) {
    struct Case {
        Lines names;
        std::wstring_view expected;
    } cases[] = {
        {{}, L"Macro-0"},
        {{L"Macro-0"}, L"Macro-1"},
        {{L"Macro-0", L"Macro-1", L"Macro-2", L"Macro-3"}, L"Macro-4"},
        {{L"Macro-0", L"Fast-9"}, L"Macro-10"},
        // Without a "-" the number of macros is taken.
        {{L"Jump", L"Run"}, L"Macro-2"},
        {{L"a-b"}, L"Macro-1"},
        // A name already in the list is never given twice: two sections would become one.
        {{L"Macro-4", L"Fast-3"}, L"Macro-5"},
        {{L"MACRO-2", L"x-1"}, L"Macro-3"},
        {{L"Jump", L"Macro-2"}, L"Macro-3"},
    };
    for (const auto& c : cases) EXPECT_EQ(NewMacroName(c.names, L"Macro"), c.expected) << c.expected.size();
    EXPECT_EQ(NewMacroName(Lines{}, L"\x5B8F"), L"\x5B8F-0");
}

TEST(NewMacroName, TwelveMacrosFillTheList) {
    EXPECT_FALSE(MacroListIsFull(11));
    EXPECT_TRUE(MacroListIsFull(12));
    EXPECT_TRUE(MacroListIsFull(14));
}

TEST(CommitMacroRename, NamesAreTrimmedCutAndKeptUnique) {
    const Lines names{L"Macro-0", L"Jump", L"Run"};
    struct Case {
        std::wstring typed;
        std::optional<std::wstring> result;
    } cases[] = {
        {L"Fast-9", L"Fast-9"},
        {L"  Dash  ", L"Dash"},
        {L"jump", L"jump"},  // the macro's own name in another case
        {std::wstring(40, L'n'), std::wstring(31, L'n')},
        {L"run", std::nullopt},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"a]b", std::nullopt},
        {L"two\nlines", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(CommitMacroRename(c.typed, names, 1), c.result) << c.typed.size();
}

TEST(InsertButtonClick, GoesAfterTheSelectedLine) {
    Lines lines{L"A   Dn", L"A   Up"};
    const ListChange change = InsertButtonClick(lines, 0, MouseButton::Right);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(change.selection, std::optional<std::size_t>(1));
    EXPECT_EQ(lines, (Lines{L"A   Dn", L"R-Button   Dn", L"R-Button   Up", L"A   Up"}));
}

TEST(InsertButtonClick, WithoutSelectionOnlyFillsAnEmptyList) {
    Lines lines;
    EXPECT_TRUE(InsertButtonClick(lines, std::nullopt, MouseButton::Left).changed);
    EXPECT_EQ(lines, (Lines{L"L-Button   Dn", L"L-Button   Up"}));
    EXPECT_FALSE(InsertButtonClick(lines, std::nullopt, MouseButton::Middle).changed);
    EXPECT_FALSE(InsertButtonClick(lines, 7, MouseButton::Middle).changed);
    EXPECT_EQ(lines.size(), 2u);
}

TEST(InsertDelay, GoesBeforeTheSelectedLineAwayFromOtherDelays) {
    const Lines start{L"A   Dn", L"A   Up", L"120 ms", L"B   Dn", L"B   Up"};
    struct Case {
        std::optional<std::size_t> selected;
        bool inserted;
    } cases[] = {
        {1, true}, {4, true}, {std::nullopt, false}, {0, false}, {2, false}, {3, false}, {5, false},
    };
    for (const auto& c : cases) {
        Lines lines = start;
        const ListChange change = InsertDelay(lines, c.selected);
        EXPECT_EQ(change.changed, c.inserted) << c.selected.value_or(99);
        if (!c.inserted) {
            EXPECT_EQ(lines, start);
            continue;
        }
        EXPECT_EQ(lines[*c.selected], L"50 ms");
        EXPECT_EQ(change.selection, c.selected);
    }
}

TEST(CommitDelayEdit, AcceptsDigitsWithTheUnitUpToTheMaximum) {
    struct Case {
        std::wstring_view typed;
        std::optional<std::wstring> line;
    } cases[] = {
        {L"80", std::nullopt},
        {L"80ms", L"80 ms"},
        {L"80 ms", L"80 ms"},
        {L" 0080  ms", L"80 ms"},
        {L"6553500 ms", L"6553500 ms"},
        {L"6553501 ms", L"6553500 ms"},
        {L"9999999 ms", L"6553500 ms"},
        {L"99999999999999999999999999 ms", L"6553500 ms"},
        {L"ms", L"0 ms"},
        {L"8a ms", std::nullopt},
        {L"-5 ms", std::nullopt},
        {L"1.5 ms", std::nullopt},
        {L"80 MS", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(CommitDelayEdit(c.typed), c.line) << std::wstring(c.typed);
}

TEST(NormaliseRepeatCount, OutOfRangeBecomesOne) {
    struct Case {
        std::wstring_view text;
        std::uint16_t value;
        bool reset;
    } cases[] = {
        {L"1", 1, false},    {L"3", 3, false}, {L"65535", 65535, false}, {L"0", 1, true},
        {L"70000", 1, true}, {L"", 1, true},   {L"4294967299", 1, true},
    };
    for (const auto& c : cases) {
        const RepeatCountField field = NormaliseRepeatCount(c.text);
        EXPECT_EQ(field.value, c.value) << std::wstring(c.text);
        EXPECT_EQ(field.reset, c.reset) << std::wstring(c.text);
    }
}

TEST(OpenMacroToSave, WritesTheOptionsAndLinesEvenAnEmptyList) {
    const Lines lines{L"A   Dn", L"A   Up"};
    const StoredMacro saved = OpenMacroToSave(L"Jump", true, false, L"7", lines);
    EXPECT_EQ(saved.name, L"Jump");
    EXPECT_EQ(saved.delayTimeSelStatus, 1);
    EXPECT_EQ(saved.loopTimeSelStatus, 0);
    EXPECT_EQ(saved.macroLoopTimes, L"7");
    EXPECT_EQ(saved.items, lines);
    EXPECT_TRUE(OpenMacroToSave(L"Jump", true, true, L"7", Lines{}).items.empty());
}

}  // namespace
}  // namespace ravix
