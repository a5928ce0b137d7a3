#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/macros/MacroLine.h"
#include "core/platform/DecimalText.h"

namespace ravix {
namespace {

TEST(MacroLine, LinesAreClassifiedByTheirMarkers) {
    struct Case {
        std::wstring_view line;
        MacroLineKind kind;
    } cases[] = {
        {L"A   Dn", MacroLineKind::Press},
        {L"L-Button   Up", MacroLineKind::Release},
        {L"120 ms", MacroLineKind::Delay},
        {L"80ms", MacroLineKind::Delay},
        // A press marker wins over everything, a release marker over "ms".
        {L"Ums   Up   Dn", MacroLineKind::Press},
        {L"ms   Up", MacroLineKind::Release},
        // Two blanks are not a marker; case matters.
        {L"A  Dn", MacroLineKind::Other},
        {L"A   dn", MacroLineKind::Other},
        {L"120 MS", MacroLineKind::Other},
        {L"", MacroLineKind::Other},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyMacroLine(c.line), c.kind) << std::wstring(c.line);
}

TEST(MacroLine, KeyNameIsTheLineWithoutItsMarkers) {
    EXPECT_EQ(MacroLineKeyName(L"Right Ctrl   Dn"), L"Right Ctrl");
    EXPECT_EQ(MacroLineKeyName(L"A   Up"), L"A");
    EXPECT_EQ(MacroLineKeyName(L"A   Dn   Dn"), L"A");
    EXPECT_EQ(MacroLineKeyName(L"   Up"), L"");
}

TEST(MacroLine, DelayIsTheLeadingNumberOnceTheUnitIsRemoved) {
    struct Case {
        std::wstring_view line;
        std::int64_t delay;
    } cases[] = {
        {L"120 ms", 120},  {L"80ms", 80},
        {L"  7 ms", 7},    {L"ms", 0},
        {L"1 ms2 ms", 12}, {L"A   Up", 0},
        {L"9   Up", 9},    {L"6553500 ms", 6553500},
        {L"12abc ms", 12}, {L"99999999999999999999999 ms", std::numeric_limits<std::int64_t>::max()},
    };
    for (const auto& c : cases) EXPECT_EQ(MacroLineDelay(c.line), c.delay) << std::wstring(c.line);
}

TEST(MacroLine, LinesAreWrittenInTheStoredForms) {
    EXPECT_EQ(PressLine(L"A"), L"A   Dn");
    EXPECT_EQ(ReleaseLine(L"M-Button"), L"M-Button   Up");
    EXPECT_EQ(DelayLine(50), L"50 ms");
    EXPECT_EQ(DelayLine(-3), L"-3 ms");
}

TEST(DecimalText, SixtyFourBitReadingSaturatesAndAgreesWithTheIntReading) {
    struct Case {
        std::wstring_view text;
        std::int64_t value;
    } cases[] = {
        {L"0", 0},
        {L"65535", 65535},
        {L" \t42x", 42},
        {L"-7", -7},
        {L"+8", 8},
        {L"", 0},
        {L"x1", 0},
        {L"- 1", 0},
        {L"2147483648", 2147483648LL},
        {L"-99999999999999999999", -std::numeric_limits<std::int64_t>::max()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingDecimal64(c.text), c.value) << std::wstring(c.text);
        const auto clamped = std::clamp<std::int64_t>(c.value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max());
        EXPECT_EQ(LeadingDecimal(c.text), clamped) << std::wstring(c.text);
    }
}

}  // namespace
}  // namespace ravix
