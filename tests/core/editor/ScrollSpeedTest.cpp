#include <gtest/gtest.h>

#include "core/editor/ScrollSpeed.h"

namespace ravix {
namespace {

constexpr ClientPoint kBody{734, 177};

TEST(ScrollSpeed, PressesHitTheChoicesAndTheStepButtons) {
    EXPECT_EQ(ScrollLinesBoxRect(kBody), (ClientRect{884, 192, 920, 206}));
    struct Case {
        ClientPoint press;
        std::optional<ScrollChoice> choice;
        int step;
    };
    const Case cases[] = {
        {{744, 192}, ScrollChoice::Lines, 0}, {{755, 203}, ScrollChoice::Lines, 0},
        {{744, 227}, ScrollChoice::Screen, 0}, {{756, 227}, std::nullopt, 0},
        {{924, 192}, std::nullopt, 1},         {{933, 197}, std::nullopt, 1},
        {{924, 198}, std::nullopt, 0},         {{924, 200}, std::nullopt, -1},
        {{900, 200}, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const ScrollSpeedTarget target = ScrollSpeedTargetAt(kBody, c.press);
        EXPECT_EQ(target.choice, c.choice) << c.press.x << "," << c.press.y;
        EXPECT_EQ(target.step, c.step) << c.press.x << "," << c.press.y;
    }
    EXPECT_LE(ScrollChoiceCaptionRect(kBody, ScrollChoice::Lines).right, ScrollLinesBoxRect(kBody).left);
}

TEST(ScrollSpeed, ChoicesStoreTheWheelModeAndKeepTheLines) {
    ProfileSettings s{};
    s.wheelScrollLines = 7;
    EXPECT_FALSE(ChooseScroll(s, ScrollChoice::Lines));
    EXPECT_TRUE(ChooseScroll(s, ScrollChoice::Screen));
    EXPECT_EQ(s.wheelScrollsScreen, 1);
    EXPECT_EQ(ScrollChoiceImageName(s, ScrollChoice::Screen), L"/MouseAttribute/ScrollSpeed/Enable.png");
    EXPECT_EQ(ScrollChoiceImageName(s, ScrollChoice::Lines), L"/MouseAttribute/ScrollSpeed/Disable.png");
    EXPECT_TRUE(ChooseScroll(s, ScrollChoice::Lines));
    EXPECT_EQ(s.wheelScrollsScreen, 0);
    EXPECT_EQ(ScrollLinesBoxText(s), L"7");
}

TEST(ScrollSpeed, StepsAndTypedLinesStayInsideOneToAHundred) {
    struct Step {
        int from, step, to;
    };
    const Step steps[] = {{3, 1, 4}, {100, 1, 100}, {1, -1, 1}, {50, -1, 49}, {0, 1, 2}, {250, -1, 99}, {250, 1, 100}};
    for (const Step& c : steps)
        EXPECT_EQ(SteppedScrollLines(static_cast<std::uint8_t>(c.from), c.step), c.to) << c.from << c.step;

    struct Typed {
        const wchar_t* text;
        int lines;
        bool corrected;
    };
    const Typed typed[] = {{L"3", 3, false},  {L"100", 100, false}, {L"1", 1, false},   {L"0", 1, true},
                           {L"250", 1, true}, {L"", 1, true},       {L"12ab", 12, false}, {L"101", 1, true}};
    for (const Typed& c : typed) {
        const ScrollLinesReading reading = ReadScrollLinesBox(c.text);
        EXPECT_EQ(reading.lines, c.lines) << c.text;
        EXPECT_EQ(reading.correction.has_value(), c.corrected) << c.text;
        if (c.corrected) {
            EXPECT_EQ(*reading.correction, L"1");
        }
    }
    ProfileSettings s{};
    s.wheelScrollLines = 0;  // from a foreign file
    EXPECT_EQ(ScrollLinesBoxText(s), L"1");
}

}  // namespace
}  // namespace ravix
