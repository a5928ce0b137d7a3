#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/store/DeviceImageBuild.h"

namespace ravix {
namespace {

// A profile as the pages leave it: four DPI stages, Standard lighting at full brightness.
ProfileSettings EditedProfile(std::uint8_t profile) {
    ProfileSettings settings{};
    settings.profile = profile;
    settings.reportRate = 1;
    settings.dpiLevel = {0x10, 0x20, 0x30, 0x40, 0x55, 0x66};
    settings.dpiColour[0] = {0xFF, 0x00, 0x00};  // red
    settings.dpiColour[1] = {0x00, 0xFF, 0x00};  // blue: stored red, blue, green
    settings.dpiColour[2] = {0x00, 0x00, 0xFF};  // green
    settings.dpiColour[3] = {0xFF, 0xFF, 0xFF};
    settings.dpiColour[4] = {0x12, 0x34, 0x56};  // stages 5 and 6 are never sent
    settings.lightingEffect = 1;
    settings.standardBrightness = 5;
    settings.breathingPeriod = 1;
    settings.spectrumPeriod = 1;
    settings.angleSnap = 10;
    settings.xSensitivity = 5;
    settings.ySensitivity = 5;
    return settings;
}

TEST(BuildProfileBlock, WholeBlockOfAnEditedProfile) {
    // clang-format off
    const DeviceImage::Block expected = {
        0x88, 0x08, 0x3F, 0x00, 0x33, 0xAA, 0xFE, 0x0B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x01, 0x02, 0x04, 0x08, 0x0C, 0x0E, 0x0F, 0x01, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00,
        0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xA0, 0xA0, 0xA0, 0xFF, 0xFF, 0xFF,
        0x2E, 0x10, 0x42, 0x8F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x0F, 0x04, 0x0A, 0x0A, 0x19, 0x19, 0x04, 0x01, 0x0A, 0x03, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03,
        0x01, 0x01, 0x64, 0x00, 0x10, 0x20, 0x30, 0x40, 0xD0, 0x00, 0x00, 0x00, 0x10, 0x20, 0x30, 0x40,
        0xD0, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00,
        0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    // clang-format on
    DeviceImage image{};
    ASSERT_TRUE(BuildProfileBlock(EditedProfile(2), image));
    EXPECT_EQ(image.profileBlocks[2], expected);
}

TEST(BuildProfileBlock, OnlyTheCurrentProfilesBlockChanges) {
    DeviceImage image{};
    for (auto& block : image.profileBlocks) std::iota(block.begin(), block.end(), std::uint8_t{7});
    const DeviceImage before = image;
    ASSERT_TRUE(BuildProfileBlock(EditedProfile(3), image));
    for (std::size_t p : {0, 1, 2, 4, 5}) EXPECT_EQ(image.profileBlocks[p], before.profileBlocks[p]) << p;
    EXPECT_NE(image.profileBlocks[3], before.profileBlocks[3]);
    EXPECT_EQ(image.buttonMap, before.buttonMap);
}

TEST(BuildProfileBlock, ProfileNumberBeyondTheSixBlocksWritesNothing) {
    DeviceImage image{};
    image.buttonMap.fill(0xAB);
    const DeviceImage before = image;
    for (std::uint8_t profile : {6, 255}) {
        EXPECT_FALSE(BuildProfileBlock(EditedProfile(profile), image));
        EXPECT_FALSE(BuildImageForWrite(EditedProfile(profile), image));
        EXPECT_EQ(image, before);
    }
}

TEST(BuildProfileBlock, AngleSnapCodes) {
    struct Case {
        std::uint8_t position, code;
    } cases[] = {{1, 0x00},
                 {2, 0x82},
                 {6, 0x87},
                 {10, 0x8F},
                 // Positions no page produces, from a damaged file: the nearest valid one.
                 {0, 0x00},
                 {11, 0x8F},
                 {255, 0x8F}};
    for (const Case& c : cases) {
        ProfileSettings settings = EditedProfile(0);
        settings.angleSnap = c.position;
        DeviceImage image{};
        BuildProfileBlock(settings, image);
        EXPECT_EQ(image.profileBlocks[0][51], c.code) << int(c.position);
    }
}

TEST(BuildProfileBlock, LightingRule) {
    struct Case {
        std::uint8_t effect, position;
        std::array<std::uint8_t, 3> bytes71to73;
    } cases[] = {
        {1, 1, {0, 0x18, 0x03}},  // Standard at "0%": lighting off, template parameter and mode
        {1, 2, {1, 4, 3}},       {1, 5, {1, 10, 3}}, {2, 1, {2, 5, 3}},  // Breathing "4S"
        {2, 5, {2, 1, 3}},                                               // Breathing "8S"
        {3, 1, {3, 3, 3}},       {3, 5, {3, 15, 3}},  // Spectrum Cycle: the period in seconds
        {0, 4, {0, 0x18, 0x03}},                      // none chosen
        {9, 4, {9, 0x18, 0x03}},                      // unknown effects are sent as they are
    };
    for (const Case& c : cases) {
        ProfileSettings settings = EditedProfile(0);
        settings.lightingEffect = c.effect;
        settings.standardBrightness = settings.breathingPeriod = settings.spectrumPeriod = c.position;
        DeviceImage image{};
        BuildProfileBlock(settings, image);
        const std::array<std::uint8_t, 3> sent = {image.profileBlocks[0][71], image.profileBlocks[0][72],
                                                  image.profileBlocks[0][73]};
        EXPECT_EQ(sent, c.bytes71to73) << "effect " << int(c.effect) << " position " << int(c.position);
    }
}

TEST(BuildProfileBlock, SensitivityIsTwentyPerPosition) {
    ProfileSettings settings = EditedProfile(0);
    settings.xSensitivity = 1;
    settings.ySensitivity = 10;
    DeviceImage image{};
    BuildProfileBlock(settings, image);
    EXPECT_EQ(image.profileBlocks[0][74], 20);
    EXPECT_EQ(image.profileBlocks[0][75], 200);
}

TEST(EncodeButtonEntry, EveryActionType) {
    struct Case {
        const char* what;
        void (*set)(ProfileSettings&);
        ButtonEntry expected;
    } cases[] = {
        {"click", [](ProfileSettings& s) { s.actionType[0] = 0; }, {0x01, 0x00, 0xF0, 0x00}},
        {"menu", [](ProfileSettings& s) { s.actionType[0] = 1; }, {0x01, 0x00, 0xF1, 0x00}},
        {"wheel middle",
         [](ProfileSettings& s) { s.actionType[0] = 2, s.wheelChoice[0] = 1; },
         {0x01, 0x00, 0xF2, 0x00}},
        {"wheel up",
         [](ProfileSettings& s) { s.actionType[0] = 2, s.wheelChoice[0] = 2; },
         {0x01, 0x00, 0xF7, 0x00}},
        {"wheel down",
         [](ProfileSettings& s) { s.actionType[0] = 2, s.wheelChoice[0] = 3; },
         {0x01, 0x00, 0xF8, 0x00}},
        {"wheel unknown",
         [](ProfileSettings& s) { s.actionType[0] = 2, s.wheelChoice[0] = 0; },
         {0, 0, 0, 0}},
        {"forward", [](ProfileSettings& s) { s.actionType[0] = 3; }, {0x01, 0x00, 0xF4, 0x00}},
        {"back", [](ProfileSettings& s) { s.actionType[0] = 4; }, {0x01, 0x00, 0xF3, 0x00}},
        {"double click", [](ProfileSettings& s) { s.actionType[0] = 5; }, {0x0A, 0xF0, 0x1E, 0x02}},
        {"DPI loop",
         [](ProfileSettings& s) { s.actionType[0] = 6, s.dpiChoice[0] = 3; },
         {0x07, 0x00, 0x03, 0x00}},
        {"volume up",
         [](ProfileSettings& s) { s.actionType[0] = 7, s.multimediaCode[0] = 0xE9; },
         {0x03, 0x00, 0xE9, 0x00}},
        {"media player",
         [](ProfileSettings& s) { s.actionType[0] = 7, s.multimediaCode[0] = 0x83; },
         {0x03, 0x00, 0x83, 0x01}},
        {"hot key",
         [](ProfileSettings& s) { s.actionType[0] = 8, s.hotKey[0] = 0x06; },
         {0x00, 0x00, 0xE0, 0x06}},
        {"my computer",
         [](ProfileSettings& s) { s.actionType[0] = 9, s.windowsChoice[0] = 0; },
         {0x03, 0x00, 0x94, 0x01}},
        {"maximise",
         [](ProfileSettings& s) { s.actionType[0] = 9, s.windowsChoice[0] = 3; },
         {0x00, 0x04, 0x2C, 0x1B}},
        {"run",
         [](ProfileSettings& s) { s.actionType[0] = 9, s.windowsChoice[0] = 6; },
         {0x00, 0x00, 0xE3, 0x15}},
        {"windows unknown",
         [](ProfileSettings& s) { s.actionType[0] = 9, s.windowsChoice[0] = 7; },
         {0, 0, 0, 0}},
        {"single key",
         [](ProfileSettings& s) { s.actionType[0] = 10, s.singleKey[0] = 0x04; },
         {0x00, 0x00, 0x04, 0x00}},
        {"combo",
         [](ProfileSettings& s) {
             s.actionType[0] = 11, s.comboModifiers[0] = 0x05, s.comboFirstKey[0] = 0x04,
             s.comboSecondKey[0] = 0x05;
         },
         {0x00, 0x05, 0x04, 0x05}},
        {"macro",
         [](ProfileSettings& s) { s.actionType[0] = 12, s.macroNumber[0] = 0, s.macroLoopMode[0] = 2; },
         {0x09, 0x02, 0x01, 0x00}},
        {"macro 12",
         [](ProfileSettings& s) { s.actionType[0] = 12, s.macroNumber[0] = 11, s.macroLoopMode[0] = 0; },
         {0x09, 0x00, 0x0C, 0x00}},
        {"button off", [](ProfileSettings& s) { s.actionType[0] = 13; }, {0, 0, 0, 0}},
        {"unknown", [](ProfileSettings& s) { s.actionType[0] = 14; }, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        ProfileSettings settings{};
        c.set(settings);
        EXPECT_EQ(EncodeButtonEntry(settings, 0), c.expected) << c.what;
    }
    EXPECT_EQ(EncodeButtonEntry(ProfileSettings{}, 8), (ButtonEntry{0, 0, 0, 0}));
}

TEST(BuildButtonMap, ButtonsLandInTheirSlotsAndEverythingElseIsZero) {
    ProfileSettings settings{};
    // Each button a single key of its own number, so that its slot is easy to find.
    for (std::size_t button = 0; button < 8; ++button) {
        settings.actionType[button] = 10;
        settings.singleKey[button] = static_cast<std::uint8_t>(0x10 + button);
    }
    DeviceImage image{};
    image.buttonMap.fill(0xEE);
    BuildButtonMap(settings, image);
    const std::size_t slotOfButton[8] = {0, 1, 2, 14, 15, 3, 4, 5};
    DeviceImage::Block expected{};
    for (std::size_t button = 0; button < 8; ++button) expected[slotOfButton[button] * 4 + 2] = 0x10 + button;
    EXPECT_EQ(image.buttonMap, expected);
    EXPECT_EQ(image.buttonMap[58], 0x13);  // button 4 in slot 14
    EXPECT_EQ(image.buttonMap[62], 0x14);  // button 5 in slot 15
}

TEST(CopyMacroSlots, SlotImagesAreCopiedUnchanged) {
    ProfileSettings settings{};
    for (std::size_t slot = 0; slot < 12; ++slot) {
        std::iota(settings.macroSlots[slot].begin(), settings.macroSlots[slot].end(), std::uint8_t(slot * 3));
    }
    DeviceImage image{};
    for (auto& slot : image.macroSlots) slot.fill(0xCC);
    CopyMacroSlots(settings, image);
    for (std::size_t slot = 0; slot < 12; ++slot)
        EXPECT_EQ(image.macroSlots[slot], settings.macroSlots[slot]) << slot;
}

TEST(BuildImageForWrite, SetsTheHeaderAndLeavesTheConnectByte) {
    ProfileSettings settings = EditedProfile(4);
    settings.reportRate = 8;
    DeviceImage image{};
    image.header.connectByte = 0xFC;
    ASSERT_TRUE(BuildImageForWrite(settings, image));
    EXPECT_EQ(image.header.currentProfile, 4);
    EXPECT_EQ(image.header.connectByte, 0xFC);
    EXPECT_EQ(image.header.reportRate, 8);
    EXPECT_EQ(image.buttonMap[2], 0xF0);  // button 1 defaults to a left click
}

}  // namespace
}  // namespace ravix
