#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli/CliCommand.h"
#include "cli/ProfileDescription.h"
#include "core/store/DeviceImageBuild.h"
#include "core/store/FactoryFiles.h"
#include "core/store/Synchronisation.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ProfileFolder.h"
#include "tests/fakes/RavixctlRun.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using testing_support::Lines;

// ravixctl run in-process on the files of a fresh folder.
// Each run's output replaces the one before.
class RavixctlProfiles : public ProfileFolder, protected testing_support::RavixctlStreams {
protected:
    int Run(std::vector<std::string> arguments) {
        out.str(""), err.str("");
        return RavixctlStreams::Run(std::vector<std::string_view>(arguments.begin(), arguments.end()));
    }
    std::string File(const std::string& name) const { return (m_folder / name).string(); }
};

TEST_F(RavixctlProfiles, FactoryWritesTheFilesOfAFreshInstallation) {
    ASSERT_EQ(Run({"factory", File("dist")}), kExitOk) << err.str();
    const std::wstring dist = m_folder.wstring() + L"/dist/";
    EXPECT_THAT(Lines(out.str()),
                ElementsAre("config.bin", "str.ini", "config0.bin", "config1.bin", "config2.bin",
                            "config3.bin", "config4.bin", "config5.bin", "str0.ini", "str1.ini", "str2.ini",
                            "str3.ini", "str4.ini", "str5.ini", "record.ini"));
    for (int i = -1; i < 6; ++i) {
        const std::wstring name = i < 0 ? L"config.bin" : L"config" + std::to_wstring(i) + L".bin";
        const std::vector<std::uint8_t> bytes = Contents(L"dist/" + name);
        ASSERT_EQ(bytes.size(), kConfigFileBytes);
        EXPECT_EQ(bytes[0], 0) << "first-run flag";
        EXPECT_EQ(bytes[1], i < 0 ? 0 : i) << "profile number";
    }
    EXPECT_EQ(m_ini.ReadString(dist + L"str.ini", L"Profile", L"ItemCount"), L"1");
    EXPECT_EQ(m_ini.ReadString(dist + L"str.ini", L"Profile", L"Item0"), L"PROFILE_0");
    EXPECT_EQ(m_ini.ReadString(dist + L"str.ini", L"Profile", L"CurProfileName"), L"PROFILE_0");
    EXPECT_EQ(m_ini.ReadString(dist + L"str.ini", L"Setting-CHS", L"Item1"), L"\u5DE6\u952E");
    for (const std::wstring name : {L"str.ini", L"str0.ini", L"str5.ini"}) {
        const SkinKeys keys = ReadSkinKeys(m_ini, dist + name);
        EXPECT_EQ(LanguageOf(ReadLanguage(m_ini, dist + name)), Language::English);
        EXPECT_EQ(keys.path, kDefaultSkinName);
        EXPECT_EQ(SkinTextColourOf(keys), kDefaultCaptionColour);
    }
    // An empty library, marked UTF-16 so that macro names in any language survive.
    EXPECT_EQ(Contents(L"dist/record.ini"), (std::vector<std::uint8_t>{0xFF, 0xFE}));
    EXPECT_TRUE(m_ini.SectionNames(dist + L"record.ini").empty());
}

TEST_F(RavixctlProfiles, FactoryFilesLoadAsTheFirstProfileAndResetToThemselves) {
    ASSERT_EQ(Run({"factory", File("")}), kExitOk);
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(state.listIndex, 0);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_EQ(settings, FactorySettings(0));
    settings.dpiLevel[0] = 99;
    settings.macroSlots[0].fill(7);
    ASSERT_TRUE(LoadFactorySettings(Ports(), state, settings));
    ProfileSettings expected = FactorySettings(0);
    expected.macroSlots[0].fill(7);
    EXPECT_EQ(settings, expected);
}

TEST_F(RavixctlProfiles, FactorySettingsAreWhatAUserExpects) {
    const ProfileSettings s = FactorySettings(2);
    DeviceImage image{};
    ASSERT_TRUE(BuildImageForWrite(s, image));
    const auto& block = image.profileBlocks[2];
    EXPECT_EQ(std::vector<int>(block.begin() + 84, block.begin() + 88), (std::vector<int>{16, 32, 48, 64}));
    EXPECT_EQ(block[71], 3) << "a visible lighting effect";
    EXPECT_EQ(block[51], 0) << "angle snap off";
    EXPECT_EQ(block[74], 100);
    EXPECT_EQ(block[75], 100);
    // Left, right, middle, wheel up, wheel down, DPI loop, forward, back.
    const std::array<ButtonEntry, 8> entries = {{{1, 0, 0xF0, 0},
                                                 {1, 0, 0xF1, 0},
                                                 {1, 0, 0xF2, 0},
                                                 {1, 0, 0xF7, 0},
                                                 {1, 0, 0xF8, 0},
                                                 {7, 0, 3, 0},
                                                 {1, 0, 0xF4, 0},
                                                 {1, 0, 0xF3, 0}}};
    for (std::size_t b = 0; b < 8; ++b) EXPECT_EQ(EncodeButtonEntry(s, b), entries[b]) << b;
    std::set<std::array<std::uint8_t, 3>> colours(s.dpiColour.begin(), s.dpiColour.begin() + 4);
    EXPECT_EQ(colours.size(), 4u);
}

TEST_F(RavixctlProfiles, ShowTellsEverySettingInWords) {
    ProfileSettings s = FactorySettings(4);
    s.reportRate = 8;
    s.lightingEffect = 2, s.breathingPeriod = 5;
    s.wheelScrollsScreen = 1;
    s.actionType = {7, 8, 9, 10, 11, 12, 13, 42};
    s.multimediaCode[0] = 0xE9;
    s.hotKey[1] = 0x06;  // C
    s.windowsChoice[2] = 5;
    s.singleKey[3] = 0x1E;  // 1
    s.comboModifiers[4] = 0x03, s.comboFirstKey[4] = 0x04, s.comboSecondKey[4] = 0;
    s.macroNumber[5] = 2, s.macroLoopMode[5] = 2;
    // Slot 2: repeat 3; a short event, a middle-form event with its extension, a long-form event.
    s.macroSlots[1] = {0x00, 0x03, 0x05, 0x04, 0x32, 0x05, 0x0D, 0x03, 0x80, 0x04, 0x00, 0x03, 0x01, 0x00};
    WriteConfig(L"p.bin", s, 1);
    ASSERT_EQ(Run({"show", File("p.bin")}), kExitOk) << err.str();
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 2 + 1 + 4 + 1 + 4 + 1 + 2 + 8 + 12u);
    EXPECT_THAT(lines, ::testing::IsSupersetOf(
                           {"Profile: 4", "First-run flag: 1 (button labels set)", "Report rate: 125 Hz",
                            "DPI stage 2: 1600 DPI, colour #00FF00", "Lighting: Breathing, period 8 s",
                            "Pointer speed: 10 (dial position 6)", "Wheel: one screen per notch",
                            "Double-click time: 480 ms (dial position 7)", "Angle snap: off",
                            "Button 1: Multimedia: Volume Up", "Button 2: HotKey: Left Ctrl + C",
                            "Button 3: Windows: Show desktop", "Button 4: Single Key: 1",
                            "Button 5: Combo Key: Left Ctrl + Left Shift + A",
                            "Button 6: Macro Key: macro 3, repeat while the button is held",
                            "Button 7: Button Off", "Button 8: unknown function 42 (does nothing)",
                            "Macro slot 1: repeat 0, 0 events", "Macro slot 2: repeat 3, 3 events"}));
}

TEST(MacroEventCount, CountsEventsNotExtensionsNorTrailingZeros) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::size_t events;
    } cases[] = {
        {{}, 0},
        {{0x00, 0x01, 0x05, 0x04, 0x85, 0x04}, 2},
        {{0x00, 0x01, 0x05, 0x04, 0x32, 0x05, 0x0D, 0x03}, 2},              // middle form
        {{0x00, 0x01, 0x05, 0x04, 0x00, 0x03, 0x01, 0x03, 0x85, 0x04}, 2},  // long form: 0x0103
        {{0x00, 0x01, 0x00, 0x00, 0x80, 0x00}, 2},                          // keys without a code
    };
    for (const Case& c : cases) {
        ProfileSettings::MacroSlotImage slot{};
        std::copy(c.bytes.begin(), c.bytes.end(), slot.begin());
        EXPECT_EQ(MacroEventCount(slot), c.events);
    }
    ProfileSettings::MacroSlotImage full{};
    for (std::size_t i = 2; i < full.size(); i += 2) full[i + 1] = 0x04;
    EXPECT_EQ(MacroEventCount(full), 63u);
}

TEST_F(RavixctlProfiles, ImageIsWhatASaveOfTheProfileBuilds) {
    ProfileSettings s = FactorySettings(3);
    s.macroSlots[11].fill(0x5A);
    WriteConfig(L"p.bin", s, 1);
    ASSERT_EQ(Run({"image", File("p.bin"), "-o", File("image.bin")}), kExitOk) << err.str();
    const std::vector<std::uint8_t> bytes = Contents(L"image.bin");
    ASSERT_EQ(bytes.size(), sizeof(DeviceImage));
    DeviceImage image;
    std::copy(bytes.begin(), bytes.end(), BytesOf(image).begin());
    EXPECT_EQ(image.header.currentProfile, 3);
    EXPECT_EQ(image.header.connectByte, 0xFC);
    EXPECT_EQ(image.header.reportRate, 1);
    EXPECT_EQ(image.header.unused, decltype(image.header.unused){});
    DeviceImage expected{};
    BuildProfileBlock(s, expected);
    BuildButtonMap(s, expected);
    for (std::size_t p = 0; p < 6; ++p) EXPECT_EQ(image.profileBlocks[p], expected.profileBlocks[p]) << p;
    EXPECT_EQ(image.buttonMap, expected.buttonMap);
    EXPECT_EQ(image.macroSlots[11], s.macroSlots[11]);
}

TEST_F(RavixctlProfiles, SaveWithTraceShowsTheConnectionThenTheFullWrite) {
    ASSERT_EQ(Run({"factory", File("")}), kExitOk);
    ASSERT_EQ(Run({"save", File("config0.bin"), "--simulate", "--trace"}), kExitOk) << err.str();
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 3 + 16 + 12 * 6u);
    EXPECT_THAT(
        std::vector(lines.begin(), lines.begin() + 6),
        ElementsAre("SET_FEATURE 00 82 00 00 00 00 00 00 7D", "GET_FEATURE 00 82 00 00 00 00 00 00 7D",
                    "SET_FEATURE 00 01 FC 00 00 00 00 00 02", "SET_FEATURE 00 02 00 00 00 00 00 00 FD",
                    "SLEEP 10", "SET_FEATURE 00 03 00 01 00 00 00 00 FB"));
    EXPECT_EQ(lines[7], "SET_FEATURE 00 0C 00 80 00 00 00 00 73");
    EXPECT_THAT(lines[8], HasSubstr("WRITE 00 88 08 3F 00 33 AA FE 0B"));
    EXPECT_EQ(lines[13], "SET_FEATURE 00 0D 00 80 00 00 00 00 72");
    EXPECT_EQ(lines[18], "SLEEP 2");
    EXPECT_EQ(lines[19], "SET_FEATURE 00 0F 01 80 00 00 00 00 6F");
    EXPECT_EQ(lines.back(), "SLEEP 20");
    EXPECT_EQ(clock.TotalPaused(), 832u);
    EXPECT_EQ(err.str(), "Wrote profile 0 to the mouse in 832 ms and saved " + File("config0.bin") + "\n");
    // Saved as the program saves a profile it wrote: flag 1, and on its first save the labels.
    EXPECT_EQ(StoredSettings(L"config0.bin"), FactorySettings(0));
    EXPECT_EQ(m_ini.ReadString(Path(L"str0.ini"), L"Setting-EN", L"Item6"), L"DPI loop");
}

TEST_F(RavixctlProfiles, SaveWithoutTraceSaysWhatItDid) {
    WriteConfig(L"mine.bin", FactorySettings(5), 1);
    ASSERT_EQ(Run({"save", File("mine.bin"), "--simulate"}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "Wrote profile 5 to the mouse in 832 ms and saved " + File("mine.bin") + "\n");
    EXPECT_FALSE(m_ini.FileExists(Path(L"mine.ini")));  // labels set before: left alone
}

TEST_F(RavixctlProfiles, BadProfileFilesAreRefusedWithAReason) {
    WriteConfig(L"short.bin", FactorySettings(0), 1, kConfigFileBytes - 1);
    WriteConfig(L"long.bin", FactorySettings(0), 1, kConfigFileBytes + 1);
    WriteConfig(L"nine.bin", FactorySettings(9), 1);
    std::filesystem::create_directories(m_folder / "folder.bin");
    struct Case {
        std::vector<std::string> arguments;
        int exit;
        const char* message;
    } cases[] = {
        {{"show", File("absent.bin")}, kExitFailed, "no such file"},
        {{"show", File("folder.bin")}, kExitFailed, "folder.bin: not a regular file"},
        {{"show", File("short.bin")}, kExitFailed, "not a profile file"},
        {{"save", File("long.bin"), "--simulate"}, kExitFailed, "not a profile file"},
        {{"image", File("nine.bin"), "-o", File("x.bin")}, kExitFailed, "profile number 9 is not one of"},
        {{"save", File("nine.bin"), "--simulate"}, kExitFailed, "profile number 9 is not one of"},
        {{"show"}, kExitUsage, "a file name is missing"},
        {{"image", File("nine.bin")}, kExitUsage, "usage: ravixctl image FILE.bin -o OUT"},
        {{"save", File("nine.bin"), "--trcae"}, kExitUsage, "unexpected argument '--trcae'"},
        {{"save", File("long.bin")}, kExitFailed, "not a profile file"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.exit) << c.message;
        EXPECT_THAT(err.str(), HasSubstr(c.message));
        EXPECT_EQ(out.str(), "") << c.message;
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder / "x.bin"));
    EXPECT_EQ(Contents(L"nine.bin")[0], 1);
}

TEST_F(RavixctlProfiles, SaveWithoutAMouseSavesNothing) {
    WriteConfig(L"p.bin", FactorySettings(1), 0);
    EXPECT_EQ(Run({"save", File("p.bin")}), kExitNoHidBus);
    EXPECT_EQ(Contents(L"p.bin")[0], 0);
}

}  // namespace
}  // namespace ravix
