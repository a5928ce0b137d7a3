#include <gtest/gtest.h>

#include "core/editor/DpiStages.h"

namespace ravix {
namespace {

// The DPI Setting body always lies right under its header at the top of the right panel.
constexpr ClientPoint kBody{734, 52};

TEST(DpiStages, ControlsSitAtTheirPlacesInTheWindow) {
    struct Case {
        int stage;
        ClientRect slider, box, swatch;
        int boxId, swatchId;
    };
    const Case cases[] = {
        {1, {775, 90, 785, 203}, {760, 220, 800, 236}, {775, 255, 785, 265}, 124, 71},
        {2, {825, 90, 835, 203}, {810, 220, 850, 236}, {825, 255, 835, 265}, 125, 72},
        {3, {885, 90, 895, 203}, {870, 220, 910, 236}, {885, 255, 895, 265}, 126, 73},
        {4, {935, 90, 945, 203}, {920, 220, 960, 236}, {935, 255, 945, 265}, 127, 74},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DpiSliderRect(kBody, c.stage), c.slider);
        EXPECT_EQ(DpiEditBoxRect(kBody, c.stage), c.box);
        EXPECT_EQ(DpiSwatchRect(kBody, c.stage), c.swatch);
        EXPECT_EQ(DpiEditBoxId(c.stage), c.boxId);
        EXPECT_EQ(DpiSwatchId(c.stage), c.swatchId);
        EXPECT_EQ(DpiStageOfEditBox(c.boxId), c.stage);
        EXPECT_EQ(DpiStageOfSwatch(c.swatchId), c.stage);
        EXPECT_EQ(DpiSliderAt(kBody, {c.slider.left, c.slider.top}), c.stage);
        EXPECT_EQ(DpiSwatchAt(kBody, {c.swatch.right - 1, c.swatch.bottom - 1}), c.stage);
    }
    for (int id : {70, 75, 123, 128}) {
        EXPECT_FALSE(DpiStageOfEditBox(id)) << id;
        EXPECT_FALSE(DpiStageOfSwatch(id)) << id;
    }
    EXPECT_FALSE(DpiSliderAt(kBody, {786, 150}));
    EXPECT_FALSE(DpiSwatchAt(kBody, {775, 266}));
    TextCatalogue texts;
    texts.dpiSwitchDown = L"down";
    const DpiCaption first = DpiGroupCaption(kBody, 1, texts);
    EXPECT_EQ(first.rect, (ClientRect{765, 65, 860, 84}));
    EXPECT_EQ(*first.text, L"down");
    EXPECT_EQ(DpiGroupCaption(kBody, 2, texts).rect, (ClientRect{875, 65, 960, 84}));
}

TEST(DpiStages, SliderPressHeightGivesTheLevel) {
    const ClientRect slider = DpiSliderRect(kBody, 1);  // bottom 203
    struct Case {
        int y, level;
    };
    // The two lowest rows give level 1 (which the box then corrects to 2); the top gives 100.
    const Case cases[] = {{202, 1}, {201, 1}, {200, 2}, {199, 3}, {150, 52}, {102, 100}, {101, 100}, {90, 100}};
    for (const Case& c : cases) EXPECT_EQ(DpiLevelAt(c.y, slider), c.level) << c.y;
}

TEST(DpiStages, BoxTextIsKeptInsideTheRangeAndRoundedDownForTheLevel) {
    struct Case {
        const wchar_t* text;
        int level;
        const wchar_t* correction;  // null: the text stays as typed
    };
    const Case cases[] = {
        {L"3200", 64, nullptr}, {L"1630", 32, nullptr}, {L"100", 2, nullptr},    {L"5000", 100, nullptr},
        {L"75", 2, L"100"},     {L"50", 2, L"100"},     {L"", 2, L"100"},        {L"abc", 2, L"100"},
        {L"-300", 2, L"100"},   {L"12345", 100, L"5000"}, {L"5001", 100, L"5000"}, {L"99999999999", 100, L"5000"},
        {L"800x", 16, nullptr},
    };
    for (const Case& c : cases) {
        const DpiBoxReading reading = ReadDpiBox(c.text);
        EXPECT_EQ(reading.level, c.level) << c.text;
        if (c.correction) {
            ASSERT_TRUE(reading.correction) << c.text;
            EXPECT_EQ(*reading.correction, c.correction);
            // The corrected text raises another change, which must find it in range.
            EXPECT_FALSE(ReadDpiBox(*reading.correction).correction);
        } else {
            EXPECT_FALSE(reading.correction) << c.text;
        }
    }
    // A slider press at level 1 writes "50", which the box corrects to level 2.
    EXPECT_EQ(DpiBoxText(1), L"50");
    EXPECT_EQ(ReadDpiBox(DpiBoxText(1)).level, 2);
    EXPECT_EQ(DpiBoxText(64), L"3200");
}

TEST(DpiStages, ForeignLevelsShowTheNearestPicture) {
    EXPECT_EQ(DpiStageImageName(0), L"/DPISetting/DPIStage/1.png");
    EXPECT_EQ(DpiStageImageName(64), L"/DPISetting/DPIStage/64.png");
    EXPECT_EQ(DpiStageImageName(101), L"/DPISetting/DPIStage/100.png");
    EXPECT_EQ(DpiStageImageName(255), L"/DPISetting/DPIStage/100.png");
}

TEST(DpiStages, ColoursTravelAsColourValuesAndAreStoredRedBlueGreen) {
    ProfileSettings settings{};
    StoreStageColour(settings, 3, 0xFF0000);  // pure blue
    const auto bytes = BytesOf(settings);
    EXPECT_EQ(bytes[29], 0x00);
    EXPECT_EQ(bytes[30], 0xFF);
    EXPECT_EQ(bytes[31], 0x00);
    StoreStageColour(settings, 1, 0x563412);  // red 12, green 34, blue 56
    EXPECT_EQ(bytes[23], 0x12);
    EXPECT_EQ(bytes[24], 0x56);
    EXPECT_EQ(bytes[25], 0x34);
    EXPECT_EQ(StageColourRef(settings, 1), 0x563412u);
    EXPECT_EQ(StageColourRef(settings, 3), 0xFF0000u);
    const ProfileSettings before = settings;
    StoreStageColour(settings, 5, 0xFFFFFF);  // stages 5 and 6 are carried, never edited
    StoreStageColour(settings, 0, 0xFFFFFF);
    EXPECT_EQ(settings, before);
}

}  // namespace
}  // namespace ravix
