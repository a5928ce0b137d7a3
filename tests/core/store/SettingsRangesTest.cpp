#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/store/FactoryFiles.h"
#include "core/store/SettingsRanges.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Records the pages can produce: the factory one and one with every function chosen somewhere.
std::vector<ProfileSettings> RecordsThePagesProduce() {
    ProfileSettings edited = FactorySettings(3);
    edited.reportRate = 8;
    edited.dpiLevel = {1, 2, 100, 64, 80, 100};
    edited.lightingEffect = 1;
    edited.standardBrightness = 1;
    edited.spectrumPeriod = 5;
    edited.wheelScrollsScreen = 1;
    edited.pointerSpeed = 11;
    edited.doubleClickSpeed = 2;
    edited.angleSnap = 10;
    edited.xSensitivity = 1;
    edited.ySensitivity = 10;
    edited.actionType = {0, 7, 8, 9, 10, 11, 12, 13};
    edited.multimediaCode[1] = 0xEA;
    edited.hotKey[2] = 0x04;
    edited.windowsChoice[3] = 6;
    edited.singleKey[4] = 0xF2;
    edited.comboModifiers[5] = kRightWin;
    edited.comboFirstKey[5] = 0x04;
    edited.macroNumber[6] = 11;
    edited.macroLoopMode[6] = 2;
    // Parameters of functions a button does not have are left alone, whatever they hold.
    edited.wheelChoice[0] = 0xFF;
    edited.reserved1.fill(0xFF);
    return {FactorySettings(0), edited};
}

TEST(SettingsRanges, RecordsThePagesProduceStayAsTheyAre) {
    for (ProfileSettings settings : RecordsThePagesProduce()) {
        const ProfileSettings before = settings;
        EXPECT_THAT(BringIntoRange(settings), IsEmpty());
        EXPECT_EQ(settings, before);
    }
}

TEST(SettingsRanges, NumbersComeToTheNearestValidValue) {
    struct Case {
        std::uint8_t ProfileSettings::*field;
        std::uint8_t stored, corrected;
        const wchar_t* name;
    } cases[] = {
        {&ProfileSettings::reportRate, 0xBB, 8, L"report rate"},
        {&ProfileSettings::reportRate, 0, 1, L"report rate"},
        {&ProfileSettings::reportRate, 3, 2, L"report rate"},
        {&ProfileSettings::reportRate, 5, 4, L"report rate"},
        {&ProfileSettings::reportRate, 7, 8, L"report rate"},
        {&ProfileSettings::lightingEffect, 9, 3, L"lighting effect"},
        {&ProfileSettings::standardBrightness, 0, 1, L"Standard brightness"},
        {&ProfileSettings::breathingPeriod, 6, 5, L"Breathing period"},
        {&ProfileSettings::spectrumPeriod, 255, 5, L"Spectrum Cycle period"},
        {&ProfileSettings::wheelScrollsScreen, 7, 1, L"scroll mode"},
        {&ProfileSettings::pointerSpeed, 0, 1, L"pointer speed"},
        {&ProfileSettings::wheelScrollLines, 200, 100, L"scroll lines"},
        {&ProfileSettings::doubleClickSpeed, 12, 11, L"double-click speed"},
        {&ProfileSettings::angleSnap, 200, 10, L"angle snap"},
        {&ProfileSettings::angleSnap, 0, 1, L"angle snap"},
        {&ProfileSettings::xSensitivity, 11, 10, L"X sensitivity"},
        {&ProfileSettings::ySensitivity, 0, 1, L"Y sensitivity"},
    };
    for (const Case& c : cases) {
        ProfileSettings settings = FactorySettings(0);
        settings.*c.field = c.stored;
        EXPECT_THAT(BringIntoRange(settings), ElementsAre(c.name)) << int(c.stored);
        EXPECT_EQ(settings.*c.field, c.corrected) << c.name;
    }
}

TEST(SettingsRanges, DpiLevelsOfEveryStage) {
    ProfileSettings settings = FactorySettings(0);
    settings.dpiLevel = {0, 255, 50, 101, 16, 0};
    EXPECT_THAT(BringIntoRange(settings),
                ElementsAre(L"DPI stage 1", L"DPI stage 2", L"DPI stage 4", L"DPI stage 6"));
    EXPECT_EQ(settings.dpiLevel, (std::array<std::uint8_t, 6>{1, 100, 50, 100, 16, 1}));
}

TEST(SettingsRanges, UnknownFunctionsBecomeTheButtonsDefault) {
    const ProfileSettings factory = FactorySettings(0);
    struct Case {
        int button;  // 1..8
        void (*damage)(ProfileSettings&, std::size_t);
    } cases[] = {
        {1, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 0xFF; }},
        {3, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 14; }},
        {4, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 7, s.multimediaCode[i] = 0x84; }},
        {5, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 8, s.hotKey[i] = 0x05; }},
        {6, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 10, s.singleKey[i] = 0xFF; }},
        {7, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 11, s.comboModifiers[i] = 0x03; }},
        {8, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 11, s.comboSecondKey[i] = 0xA5; }},
        {2, [](ProfileSettings& s, std::size_t i) { s.actionType[i] = 12, s.macroNumber[i] = 12; }},
    };
    for (const Case& c : cases) {
        const std::size_t i = static_cast<std::size_t>(c.button - 1);
        ProfileSettings settings = factory;
        settings.wheelChoice[i] = settings.dpiChoice[i] = 0;
        c.damage(settings, i);
        EXPECT_THAT(BringIntoRange(settings), ElementsAre(L"button " + std::to_wstring(c.button)));
        EXPECT_EQ(settings.actionType[i], factory.actionType[i]) << c.button;
        // Buttons whose default needs a parameter (3, 4, 5 the wheel, 6 the DPI loop) get it too.
        const bool wheel = c.button >= 3 && c.button <= 5;
        EXPECT_EQ(settings.wheelChoice[i], wheel ? factory.wheelChoice[i] : 0) << c.button;
        EXPECT_EQ(settings.dpiChoice[i], c.button == 6 ? 3 : 0) << c.button;
    }
}

TEST(SettingsRanges, ChoicesOfAKnownFunctionComeToTheNearestEntry) {
    ProfileSettings settings = FactorySettings(0);
    settings.wheelChoice[2] = 0;                                  // scroll select
    settings.dpiChoice[5] = 9;                                    // CPI cycle
    settings.actionType[6] = 9, settings.windowsChoice[6] = 200;  // Windows
    settings.actionType[7] = 12, settings.macroLoopMode[7] = 3;   // macro
    EXPECT_THAT(BringIntoRange(settings), ElementsAre(L"button 3", L"button 6", L"button 7", L"button 8"));
    EXPECT_EQ(settings.wheelChoice[2], 1);
    EXPECT_EQ(settings.dpiChoice[5], 3);
    EXPECT_EQ(settings.windowsChoice[6], 6);
    EXPECT_EQ(settings.macroLoopMode[7], 2);
}

}  // namespace
}  // namespace ravix
