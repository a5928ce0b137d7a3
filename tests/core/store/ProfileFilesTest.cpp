#include <gtest/gtest.h>

#include "core/store/ProfileFiles.h"
#include "tests/fakes/ProfileFolder.h"
#include "tests/fakes/ScriptedFileDialogs.h"

namespace ravix {
namespace {

using ProfileFiles = ProfileFolder;

const FakeNotifier::Message kMissing{L"Config file is not exist.", L"Velmar Ravix Driver"};

TEST_F(ProfileFiles, CurrentProfileIsTheListPositionOfItsName) {
    for (std::uint8_t i = 0; i < 3; ++i)
        WriteConfig(L"config" + std::to_wstring(i) + L".bin", Marked(0x10 + i));
    WriteList({L"Work", L"Game", L"Work"}, L"Game", L"3");
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(state.listIndex, 1);
    EXPECT_EQ(settings.reportRate, 0x11);
    EXPECT_EQ(state.textPath, Path(L"str1.ini"));
    EXPECT_EQ(state.firstRunFlag, 1);

    // Two entries of that name: the later one's files.
    WriteList({L"Work", L"Game", L"Work"}, L"Work", L"3");
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(state.listIndex, 2);
    EXPECT_EQ(settings.reportRate, 0x12);

    // No entry of that name: the index stays.
    WriteList({L"Work", L"Game", L"Work"}, L"Other", L"3");
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(state.listIndex, 2);
    EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(ProfileFiles, UnusableProfileListChoosesNothing) {
    WriteConfig(L"config0.bin", Marked(0x10));
    for (const wchar_t* count : {L"0", L"7", L"abc", L"99999999999", L""}) {
        WriteList({L"A"}, L"A", count);
        ProfileFileState state;
        ProfileSettings settings{};
        EXPECT_FALSE(LoadCurrentProfile(Ports(), state, settings)) << count;
        EXPECT_EQ(settings, ProfileSettings{}) << count;
        EXPECT_EQ(state.textPath, L"") << count;
    }
    EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(ProfileFiles, NegativeCountKeepsTheCurrentIndex) {
    WriteConfig(L"config2.bin", Marked(0x22));
    WriteList({L"A"}, L"A", L"-1");
    ProfileFileState state;
    state.listIndex = 2;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(settings.reportRate, 0x22);
}

TEST_F(ProfileFiles, ConfigurationFileOfAnotherSizeIsIgnoredSilently) {
    WriteList({L"A"}, L"A", L"1");
    for (std::size_t size :
         {std::size_t{0}, kConfigFileBytes - 1, kConfigFileBytes + 1, std::size_t{1} << 16}) {
        WriteConfig(L"config0.bin", Marked(0x10), 1, size);
        ProfileFileState state;
        ProfileSettings settings{};
        EXPECT_FALSE(LoadCurrentProfile(Ports(), state, settings)) << size;
        EXPECT_EQ(settings, ProfileSettings{}) << size;
    }
    EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(ProfileFiles, MissingConfigurationFileIsReported) {
    WriteList({L"A"}, L"A", L"1");
    ProfileFileState state;
    ProfileSettings settings{};
    EXPECT_FALSE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(notifier_.messages, std::vector{kMissing});
}

TEST_F(ProfileFiles, ProfileNumberBeyondSixTakesTheListPosition) {
    ProfileSettings stored = Marked(0x10);
    stored.profile = 200;
    WriteConfig(L"config1.bin", stored);
    WriteList({L"A", L"B"}, L"B", L"2");
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(settings.profile, 1);
}

TEST_F(ProfileFiles, ResetModeReadsOnlyTheFactorySettingsPart) {
    WriteConfig(L"config.bin", Marked(0x77), 0);
    ProfileFileState state;
    state.resetMode = true;
    state.listIndex = 3;
    ProfileSettings settings = Marked(0x33);
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(settings.reportRate, 0x77);
    EXPECT_EQ(settings.macroLoopMode[7], 0x77);  // the last byte of the settings part
    EXPECT_EQ(settings.macroSlots, Marked(0x33).macroSlots);
    EXPECT_EQ(state.textPath, Path(L"str.ini"));
    EXPECT_EQ(state.configPath, Path(L"config.bin"));
    EXPECT_EQ(state.firstRunFlag, 0);
}

TEST_F(ProfileFiles, SavingWritesTheFlagThenTheSettings) {
    WriteConfig(L"config2.bin", Marked(0x10), 0);
    ProfileFileState state;
    state.listIndex = 2;
    ProfileSettings settings = Marked(0x5A);
    settings.profile = 2;
    ASSERT_TRUE(SaveCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(StoredSettings(L"config2.bin"), settings);
    EXPECT_EQ(state.textPath, Path(L"str2.ini"));
}

TEST_F(ProfileFiles, SavingNeverCreatesAMissingConfigurationFile) {
    ProfileFileState state;
    state.listIndex = 2;
    EXPECT_FALSE(SaveCurrentProfile(Ports(), state, Marked(0x5A)));
    EXPECT_FALSE(files_.Exists(Path(L"config2.bin")));
    EXPECT_EQ(notifier_.messages, std::vector{kMissing});
}

// Binary files whose writes fail with a sharing violation.
class LockedFiles final : public BinaryFiles {
public:
    bool Exists(const std::wstring& path) const override { return files.Exists(path); }
    FileContents Read(const std::wstring& path, std::size_t max) const override {
        return files.Read(path, max);
    }
    int Replace(const std::wstring&, std::span<const std::uint8_t>) override { return 32; }
    PortableBinaryFiles files;
};

TEST_F(ProfileFiles, FailedWriteShowsTheErrorCode) {
    WriteConfig(L"config0.bin", Marked(0x10));
    LockedFiles locked;
    ProfileFileState state;
    EXPECT_FALSE(
        SaveCurrentProfile({Path(L"Velmar Ravix Driver.exe"), ini_, locked, notifier_}, state, Marked(1)));
    EXPECT_EQ(notifier_.messages,
              (std::vector<FakeNotifier::Message>{{L"Error Code is: 32 \n", L"NULL ==fp "}}));
    EXPECT_EQ(Contents(L"config0.bin")[6], 0x10);  // unchanged
}

TEST_F(ProfileFiles, LabelsAndSkinKeysOfTheTextFile) {
    const ButtonLabels labels = {L"A", L"B", L"\u5DE6\u952E", L"", L"E", L"F", L"G", L"H"};
    WriteLabels(ini_, Path(L"str1.ini"), L"Setting-CHS", labels);
    ini_.WriteString(Path(L"str1.ini"), L"Skins", L"Path", L"Default");
    const ProfileText text = ReadProfileText(ini_, Path(L"str1.ini"), L"Setting-CHS");
    EXPECT_EQ(text.labels, labels);
    EXPECT_EQ(text.skin.path, L"Default");
    EXPECT_EQ(ReadProfileText(ini_, Path(L"str1.ini"), L"Setting-EN").labels, ButtonLabels{});
    // No text file chosen: nothing read, nothing written.
    WriteLabels(ini_, L"", L"Setting-EN", labels);
    EXPECT_EQ(ReadProfileText(ini_, L"", L"Setting-CHS").labels, ButtonLabels{});
}

TEST_F(ProfileFiles, FirstRunRuleSetsTheDefaultLabelsOnce) {
    ProfileFileState state;
    state.textPath = Path(L"str0.ini");
    ButtonLabels labels;
    ASSERT_TRUE(ApplyFirstRunLabels(ini_, state, Language::TraditionalChinese, labels));
    EXPECT_EQ(labels[0], L"\u5DE6\u9375");
    EXPECT_EQ(labels[5], L"DPI loop");
    EXPECT_EQ(ini_.ReadString(state.textPath, L"Setting-CHT", L"Item8"), L"\u5F8C\u9000\u65B9\u5411\u9375");
    EXPECT_EQ(DefaultButtonLabels(Language::English),
              (ButtonLabels{L"Click", L"Menu", L"MID BUTTON", L"SCROLL UP", L"SCROLL DOWN", L"DPI loop",
                            L"IE Forward", L"IE Backward"}));
    state.firstRunFlag = 1;
    ButtonLabels kept = {L"mine"};
    EXPECT_FALSE(ApplyFirstRunLabels(ini_, state, Language::English, kept));
    EXPECT_EQ(kept[0], L"mine");
}

class ProfileImportExport : public ProfileFolder {
protected:
    void SetUp() override {
        ProfileFolder::SetUp();
        std::filesystem::create_directories(folder_ / "elsewhere");
    }
    ScriptedFileDialogs dialogs_;
};

TEST_F(ProfileImportExport, ImportTakesTheCurrentProfilesPlaceAndRecreatesItsFile) {
    ProfileSettings exported = Marked(0x44);
    exported.profile = 5;
    WriteConfig(L"elsewhere/fast.bin", exported, 0);
    WriteLabels(ini_, Path(L"elsewhere/fast.ini"), L"Setting-EN", {L"Fire", L"Aim"});
    ini_.WriteString(Path(L"elsewhere/fast.ini"), L"Skins", L"RColor", L"200");

    ProfileFileState state;
    state.listIndex = 2;  // config2.bin does not exist: import creates it
    dialogs_.answer = Path(L"elsewhere/fast.bin");
    ProfileSettings settings{};
    ProfileText text;
    ASSERT_TRUE(ImportProfile(Ports(), dialogs_, state, settings, text, L"Setting-EN"));

    ProfileSettings expected = exported;
    expected.profile = 2;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_EQ(text.labels[1], L"Aim");
    EXPECT_EQ(text.skin.red, L"200");
    EXPECT_EQ(StoredSettings(L"config2.bin"), expected);
    EXPECT_EQ(ini_.ReadString(Path(L"str2.ini"), L"Setting-EN", L"Item1"), L"Fire");
    EXPECT_EQ(state.configPath, Path(L"config2.bin"));
    EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(ProfileImportExport, ImportIgnoresCancelOtherNamesAndWrongSizes) {
    WriteConfig(L"elsewhere/short.bin", Marked(0x44), 1, kConfigFileBytes - 1);
    WriteConfig(L"elsewhere/profile.txt", Marked(0x44));
    for (const std::optional<std::wstring>& answer :
         {std::optional<std::wstring>{}, std::optional{Path(L"elsewhere/profile.txt")},
          std::optional{Path(L"elsewhere/short.bin")}}) {
        dialogs_.answer = answer;
        ProfileFileState state;
        ProfileSettings settings{};
        ProfileText text;
        EXPECT_FALSE(ImportProfile(Ports(), dialogs_, state, settings, text, L"Setting-EN"));
        EXPECT_EQ(settings, ProfileSettings{});
    }
    EXPECT_FALSE(files_.Exists(Path(L"config0.bin")));
    EXPECT_TRUE(notifier_.messages.empty());

    dialogs_.answer = Path(L"elsewhere/gone.bin");
    ProfileFileState state;
    ProfileSettings settings{};
    ProfileText text;
    EXPECT_FALSE(ImportProfile(Ports(), dialogs_, state, settings, text, L"Setting-EN"));
    EXPECT_EQ(notifier_.messages, std::vector{kMissing});
}

TEST_F(ProfileImportExport, ImportAcceptsAnUpperCaseExtension) {
    WriteConfig(L"elsewhere/OLD.BIN", Marked(0x44));
    dialogs_.answer = Path(L"elsewhere/OLD.BIN");
    ProfileFileState state;
    ProfileSettings settings{};
    ProfileText text;
    EXPECT_TRUE(ImportProfile(Ports(), dialogs_, state, settings, text, L"Setting-EN"));
}

TEST_F(ProfileImportExport, ExportWritesThePairAndASecondCopyBesideTheProgram) {
    ProfileFileState state;
    state.listIndex = 1;
    state.configPath = Path(L"config1.bin");
    ProfileSettings settings = Marked(0x66);
    settings.profile = 1;
    const ButtonLabels labels = {L"Shoot"};
    dialogs_.answer = Path(L"elsewhere/backup");
    ASSERT_TRUE(ExportProfile(Ports(), dialogs_, state, settings, labels, L"Setting-EN"));

    EXPECT_EQ(dialogs_.proposed, std::vector{Path(L"config1.bin")});
    for (const std::wstring& place : {Path(L"elsewhere/"), Path(L"")}) {
        EXPECT_EQ(ini_.ReadString(place + L"backup.ini", L"Setting-EN", L"Item1"), L"Shoot") << place;
    }
    EXPECT_EQ(StoredSettings(L"elsewhere/backup.bin"), settings);
    EXPECT_EQ(StoredSettings(L"backup.bin"), settings);
    EXPECT_EQ(state.configPath, Path(L"backup.bin"));
    EXPECT_EQ(state.textPath, Path(L"str1.ini"));
}

TEST_F(ProfileImportExport, ExportNeverReplacesTheProgramsOwnFiles) {
    WriteConfig(L"config.bin", Marked(0x01), 0);
    WriteConfig(L"config3.bin", Marked(0x03));
    ini_.WriteString(Path(L"record.ini"), L"Macro", L"ItemCount", L"0");
    for (const wchar_t* name : {L"config.bin", L"CONFIG3.bin", L"record.bin", L"str.bin"}) {
        ProfileFileState state;
        dialogs_.answer = Path(L"elsewhere/") + name;
        ASSERT_TRUE(ExportProfile(Ports(), dialogs_, state, Marked(0x66), {L"x"}, L"Setting-EN")) << name;
        EXPECT_EQ(state.configPath, Path(L"elsewhere/") + name);
    }
    EXPECT_EQ(Contents(L"config.bin")[6], 0x01);  // the report-rate byte
    EXPECT_EQ(Contents(L"config3.bin")[6], 0x03);
    EXPECT_EQ(ini_.SectionNames(Path(L"record.ini")), std::vector<std::wstring>{L"Macro"});
    EXPECT_FALSE(ini_.FileExists(Path(L"str.ini")));
}

TEST_F(ProfileImportExport, ExportIntoTheProgramsFolderWritesOnce) {
    ProfileFileState state;
    dialogs_.answer = Path(L"mine.bin");
    ASSERT_TRUE(ExportProfile(Ports(), dialogs_, state, Marked(0x66), {L"x"}, L"Setting-EN"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}),
              3);  // elsewhere, mine.bin, mine.ini
    dialogs_.answer.reset();
    EXPECT_FALSE(ExportProfile(Ports(), dialogs_, state, Marked(0x66), {L"x"}, L"Setting-EN"));
}

}  // namespace
}  // namespace ravix
