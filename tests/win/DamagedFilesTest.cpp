// Damaged and foreign files beside the program, a Save killed half way, and a skin that cannot be
// drawn: the window starts, says what it found, and neither the files nor the mouse get values
// nobody chose.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "core/store/SettingsRanges.h"

namespace ravix::win {
namespace {

using test_support::MainWindowStore;
using ::testing::HasSubstr;

class DamagedFiles : public MainWindowStore {
protected:
    std::vector<std::uint8_t> Bytes(const std::wstring& name) {
        return files.Read(Path(name), 1u << 20).bytes;
    }

    // What a Save sent: every device value inside the ranges the pages produce.
    void ExpectTheMouseHoldsOnlyValidValues(const char* what) {
        const auto memory = mouse.Memory();
        EXPECT_THAT((std::vector<int>{1, 2, 4, 8}), ::testing::Contains(int(memory[2]))) << what;
        const auto block = mouse.ProfileBlock(0);
        for (std::size_t stage = 0; stage < 4; ++stage) {
            EXPECT_GE(block[84 + stage], 1) << what;
            EXPECT_LE(block[84 + stage], 100) << what;
        }
        EXPECT_LE(block[71], 3) << what;
        EXPECT_NE(block[74], 0) << what;
        const auto buttons = mouse.ButtonMap();
        EXPECT_NE(std::vector<std::uint8_t>(buttons.begin(), buttons.begin() + 4),
                  (std::vector<std::uint8_t>{0, 0, 0, 0}))
            << what << ": button 1 does something";
    }
};

// A damaged current profile: reported once, kept aside, and the factory profile takes its place;
// Save then writes and sends that, never an all-zero record.
class DamagedProfile : public DamagedFiles, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(DamagedProfile, IsKeptAsideAndNeverSavedOrSentAsZeros) {
    const std::vector<std::uint8_t> damaged(GetParam(), 0x5A);
    ASSERT_EQ(files.Replace(Path(L"config0.bin"), damaged), 0);
    Open();
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_THAT(notifier.messages[0].text, HasSubstr(Path(L"config0.bin") + L"\" is damaged"));
    EXPECT_EQ(Bytes(L"config0.bin.damaged"), damaged);

    window.SaveToMouse();
    EXPECT_EQ(Stored(0), FactorySettings(0));
    ExpectTheMouseHoldsOnlyValidValues("damaged file");
    EXPECT_EQ(notifier.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DamagedProfile,
                         ::testing::Values(std::size_t{0}, kConfigFileBytes - 1, kConfigFileBytes + 1));

// A profile list whose count is out of range is read as far as its names go.
class ProfileCountOutOfRange : public DamagedFiles, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(ProfileCountOutOfRange, StillLoadsAndSavesItsProfile) {
    ProfileSettings second = FactorySettings(1);
    second.dpiLevel[0] = 30;
    WriteProfile(1, second);
    ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"Item1", L"Game"));
    ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"CurProfileName", L"Game"));
    ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"ItemCount", GetParam()));
    Open();
    EXPECT_EQ(state.profileSettings, second);
    window.SaveToMouse();
    EXPECT_EQ(Stored(1), second);
    EXPECT_EQ(mouse.ProfileBlock(1)[84], 30);
    EXPECT_TRUE(notifier.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Counts, ProfileCountOutOfRange,
                         ::testing::Values(L"7", L"99999999999", L"4294967297"));

TEST_F(DamagedFiles, ForeignValuesAreCorrectedNamedAndNeverSent) {
    ProfileSettings foreign = FactorySettings(0);
    foreign.reportRate = 0xBB;
    foreign.dpiLevel[0] = 0;
    foreign.dpiLevel[1] = 255;
    foreign.lightingEffect = 9;
    foreign.angleSnap = 200;
    foreign.actionType[0] = 0xFF;
    WriteProfile(0, foreign);
    Open();
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_THAT(
        notifier.messages[0].text,
        HasSubstr(
            L"corrected: report rate, DPI stage 1, DPI stage 2, lighting effect, angle snap, button 1."));
    window.SaveToMouse();
    ExpectTheMouseHoldsOnlyValidValues("foreign file");
    EXPECT_EQ(mouse.Memory()[2], 8);
    EXPECT_EQ(mouse.ProfileBlock(0)[51], 0x8F);  // angle snap 10
    ProfileSettings stored = Stored(0);
    EXPECT_TRUE(BringIntoRange(stored).empty());
}

TEST_F(DamagedFiles, TheLeftoversOfASaveCutShortAreRemovedAtStartUp) {
    for (const wchar_t* name : {L"config0.bin.writing", L"str0.ini.writing.writing", L"notes.txt.writing"})
        ASSERT_EQ(files.Replace(Path(name), std::vector<std::uint8_t>{1}), 0);
    Open();
    EXPECT_FALSE(std::filesystem::exists(folder / "config0.bin.writing"));
    EXPECT_FALSE(std::filesystem::exists(folder / "str0.ini.writing.writing"));
    EXPECT_TRUE(std::filesystem::exists(folder / "notes.txt.writing")) << "not one of the program's files";
    EXPECT_EQ(Stored(0).profile, 0);
}

// Labels set in English; the language is now Simplified Chinese: every box shows what its button
// does, and the section is written.
TEST_F(DamagedFiles, AnotherLanguageGetsItsLabelsFromTheButtonsFunctions) {
    WriteProfile(0, FactorySettings(0));
    ASSERT_TRUE(ini.WriteString(Path(L"str0.ini"), L"Setting-EN", L"Item1", L"Click"));
    ASSERT_TRUE(ini.WriteString(Path(L"str0.ini"), L"Skins", L"Lan", L"CHS"));
    Open();
    EXPECT_EQ(state.store.text.labels[0], L"\u5DE6\u952E");
    EXPECT_EQ(state.store.text.labels[5], L"DPI Loop");
    EXPECT_EQ(ini.ReadString(Path(L"str0.ini"), L"Setting-CHS", L"Item8"), L"\u540E\u9000\u65B9\u5411\u952E");
    EXPECT_EQ(ini.ReadString(Path(L"str0.ini"), L"Setting-EN", L"Item1"), L"Click");
}

// A skin that cannot be drawn: the shipped skin stands in, so the window has its size, and the user
// is told which file failed.
class UnusableSkin : public DamagedFiles, public ::testing::WithParamInterface<std::wstring> {};

TEST_P(UnusableSkin, FallsBackToTheShippedOne) {
    std::filesystem::create_directories(folder / "Skins" / "Broken");
    ASSERT_EQ(files.Replace(Path(L"Skins\\Broken\\main.png"), std::vector<std::uint8_t>{0x89, 'P', 'N'}), 0);
    ASSERT_TRUE(ini.WriteString(Path(L"str0.ini"), L"Skins", L"Path", GetParam()));
    Open();
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 1000);
    EXPECT_EQ(client.bottom, 640);
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_THAT(notifier.messages[0].text,
                HasSubstr(L"could not be loaded. The default skin is shown instead."));
}

INSTANTIATE_TEST_SUITE_P(Paths, UnusableSkin,
                         ::testing::Values(L"Broken", L"Nowhere", std::wstring(3000, L'a')));

}  // namespace
}  // namespace ravix::win
