#include <gmock/gmock.h>
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
    EXPECT_EQ(settings.reserved1[0], 0x11);
    EXPECT_EQ(state.textPath, Path(L"str1.ini"));
    EXPECT_EQ(state.firstRunFlag, 1);

    // Two entries of that name: the later one's files.
    WriteList({L"Work", L"Game", L"Work"}, L"Work", L"3");
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(state.listIndex, 2);
    EXPECT_EQ(settings.reserved1[0], 0x12);

    // No entry of that name: the index stays.
    WriteList({L"Work", L"Game", L"Work"}, L"Other", L"3");
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(state.listIndex, 2);
    EXPECT_TRUE(m_notifier.messages.empty());
}

TEST_F(ProfileFiles, CountOutOfRangeIsReadAsFarAsTheNamesGo) {
    for (std::uint8_t i = 0; i < 6; ++i)
        WriteConfig(L"config" + std::to_wstring(i) + L".bin", Marked(0x10 + i));
    struct Case {
        std::vector<std::wstring> names;
        const wchar_t* current;
        const wchar_t* count;
        int index;
    } cases[] = {
        {{L"A", L"B"}, L"B", L"0", 1},
        {{L"A", L"B", L"C"}, L"C", L"7", 2},
        {{L"A", L"B"}, L"B", L"99999999999", 1},
        {{L"A", L"B"}, L"B", L"4294967297", 1},
        {{L"A", L"B"}, L"B", L"abc", 1},
        {{L"A", L"B"}, L"B", L"-1", 1},
        {{L"A", L"B", L"C", L"D", L"E", L"F", L"G"}, L"G", L"7", 0},  // at most six names
        {{L"A", L"B", L"C", L"D", L"E", L"F", L"G"}, L"F", L"99", 5},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(m_folder / "str.ini");
        WriteList(c.names, c.current, c.count);
        ProfileFileState state;
        ProfileSettings settings{};
        EXPECT_TRUE(LoadCurrentProfile(Ports(), state, settings)) << c.count;
        EXPECT_EQ(state.listIndex, c.index) << c.count;
        EXPECT_EQ(settings.reserved1[0], 0x10 + c.index) << c.count;
        EXPECT_EQ(state.textPath, Path(L"str" + std::to_wstring(c.index) + L".ini")) << c.count;
    }
    EXPECT_TRUE(m_notifier.messages.empty());
}

// A table of damaged current profile files: each is reported once, set aside whole, and the
// profile starts from the factory file as on a first run, in a fresh file of its own.
TEST_F(ProfileFiles, DamagedConfigurationFileIsSetAsideAndTheFactoryValuesTakeItsPlace) {
    WriteList({L"A", L"B"}, L"B", L"2");
    ProfileSettings factory = Marked(0x77);
    factory.dpiLevel[0] = 42;
    WriteConfig(L"config.bin", factory, 0);
    struct Case {
        std::size_t size;
        const wchar_t* why;
    } cases[] = {
        {0, L"it has 0 bytes"},
        {kConfigFileBytes - 1, L"it has 1756 bytes"},
        {kConfigFileBytes + 1, L"it is larger"},
        {std::size_t{1} << 16, L"it is larger"},
    };
    ProfileSettings expected = factory;
    expected.profile = 1;
    const ConfigFileBytes fresh = ConfigFileBytesOf(expected, 0);
    for (const Case& c : cases) {
        m_notifier.messages.clear();
        WriteConfig(L"config1.bin", Marked(0x11), 1, c.size);
        const std::vector<std::uint8_t> damaged = Contents(L"config1.bin");
        ProfileFileState state;
        ProfileSettings settings{};
        ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings)) << c.size;

        EXPECT_EQ(settings, expected) << c.size;
        EXPECT_EQ(state.firstRunFlag, 0) << c.size;
        EXPECT_EQ(Contents(L"config1.bin"), std::vector<std::uint8_t>(fresh.begin(), fresh.end()));
        EXPECT_EQ(Contents(L"config1.bin.damaged"), damaged) << c.size;
        ASSERT_EQ(m_notifier.messages.size(), 1u) << c.size;
        const std::wstring& text = m_notifier.messages[0].text;
        EXPECT_THAT(text, ::testing::HasSubstr(Path(L"config1.bin") + L"\" is damaged"));
        EXPECT_THAT(text, ::testing::HasSubstr(c.why));
        EXPECT_THAT(text, ::testing::HasSubstr(L"kept as \"" + Path(L"config1.bin.damaged")));

        // Loaded again (the file is whole now): nothing more to say.
        ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
        EXPECT_EQ(m_notifier.messages.size(), 1u);
        std::filesystem::remove(m_folder / "config1.bin.damaged");
    }
}

TEST_F(ProfileFiles, ASecondDamagedFileIsKeptBesideTheFirst) {
    WriteList({L"A"}, L"A", L"1");
    WriteConfig(L"config0.bin.damaged", Marked(0x01), 1, 5);
    WriteConfig(L"config0.bin", Marked(0x02), 1, 6);
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(Contents(L"config0.bin.damaged").size(), 5u);
    EXPECT_EQ(Contents(L"config0.bin.damaged-2").size(), 6u);
    // No factory file either: the built-in factory settings.
    EXPECT_EQ(settings, FactorySettings(0));
}

TEST_F(ProfileFiles, AFolderInPlaceOfTheFileIsSetAsideToo) {
    WriteList({L"A"}, L"A", L"1");
    std::filesystem::create_directories(m_folder / "config0.bin" / "inside");
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "config0.bin.damaged" / "inside"));
    EXPECT_EQ(Contents(L"config0.bin").size(), kConfigFileBytes);
    ASSERT_EQ(m_notifier.messages.size(), 1u);
    EXPECT_THAT(m_notifier.messages[0].text, ::testing::HasSubstr(L"is not a regular file"));
}

TEST_F(ProfileFiles, MissingConfigurationFileIsReportedAndTheFactoryValuesShown) {
    WriteList({L"A", L"B"}, L"B", L"2");
    ProfileFileState state;
    ProfileSettings settings = Marked(0x33);
    settings.profile = 4;  // as the mouse gave it
    EXPECT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(settings, FactorySettings(4));
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_EQ(m_notifier.messages, std::vector{kMissing});
    EXPECT_FALSE(m_files.Exists(Path(L"config1.bin")));  // never created by loading
}

// Binary files that can neither be renamed nor written.
class LockedFiles final : public BinaryFiles {
public:
    bool Exists(const std::wstring& path) const override { return files.Exists(path); }
    FileContents Read(const std::wstring& path, std::size_t max) const override {
        return files.Read(path, max);
    }
    int Replace(const std::wstring&, std::span<const std::uint8_t>) override { return 32; }
    int Rename(const std::wstring&, const std::wstring&) override { return 5; }
    PortableBinaryFiles files;
};

TEST_F(ProfileFiles, ADamagedFileThatCannotBeSetAsideIsNeverWrittenOver) {
    WriteList({L"A"}, L"A", L"1");
    WriteConfig(L"config0.bin", Marked(0x10), 1, 100);
    PortableBinaryFiles writable;
    LockedFiles locked;
    const std::wstring program = Path(L"Velmar Ravix Driver.exe");
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile({program, m_ini, locked, m_notifier}, state, settings));
    EXPECT_EQ(settings, FactorySettings(0));
    // Even where writing would work, Save leaves it alone and says so.
    EXPECT_FALSE(SaveCurrentProfile({program, m_ini, writable, m_notifier}, state, settings));
    EXPECT_EQ(Contents(L"config0.bin").size(), 100u);
    ASSERT_EQ(m_notifier.messages.size(), 2u);
    EXPECT_THAT(m_notifier.messages[0].text, ::testing::HasSubstr(L"could not be set aside"));
    EXPECT_THAT(m_notifier.messages[1].text, ::testing::HasSubstr(L"was not written over"));
}

TEST_F(ProfileFiles, ForeignValuesAreBroughtIntoRangeAndNamedOnce) {
    WriteList({L"A"}, L"A", L"1");
    ProfileSettings foreign = Marked(0x10);
    foreign.reportRate = 0xBB;
    foreign.dpiLevel[0] = 0;
    foreign.dpiLevel[1] = 255;
    foreign.lightingEffect = 9;
    foreign.angleSnap = 200;
    foreign.actionType[2] = 0xFF;
    WriteConfig(L"config0.bin", foreign);
    ProfileFileState state;
    ProfileSettings settings{};
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    ProfileSettings expected = foreign;
    expected.reportRate = 8;
    expected.dpiLevel[0] = 1;
    expected.dpiLevel[1] = 100;
    expected.lightingEffect = 3;
    expected.angleSnap = 10;
    expected.actionType[2] = 2;
    EXPECT_EQ(settings, expected);
    const std::wstring corrected = L"Values in \"" + Path(L"config0.bin") +
                                   L"\" were outside their ranges and have been corrected: report rate, DPI "
                                   L"stage 1, DPI stage 2, lighting effect, angle snap, button 3.";
    EXPECT_EQ(m_notifier.messages, (std::vector<FakeNotifier::Message>{{corrected, L"Velmar Ravix Driver"}}));
    // The file itself is left as it is until the next Save; reloading it does not say it again.
    EXPECT_EQ(Contents(L"config0.bin")[1 + 5], 0xBB);
    ASSERT_TRUE(LoadCurrentProfile(Ports(), state, settings));
    EXPECT_EQ(m_notifier.messages.size(), 1u);
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
    EXPECT_EQ(settings.reserved1[0], 0x77);
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
    EXPECT_FALSE(m_files.Exists(Path(L"config2.bin")));
    EXPECT_EQ(m_notifier.messages, std::vector{kMissing});
}

TEST_F(ProfileFiles, FailedWriteShowsTheErrorCode) {
    WriteConfig(L"config0.bin", Marked(0x10));
    LockedFiles locked;
    ProfileFileState state;
    EXPECT_FALSE(
        SaveCurrentProfile({Path(L"Velmar Ravix Driver.exe"), m_ini, locked, m_notifier}, state, Marked(1)));
    EXPECT_EQ(m_notifier.messages,
              (std::vector<FakeNotifier::Message>{{L"Error Code is: 32 \n", L"NULL ==fp "}}));
    EXPECT_EQ(Contents(L"config0.bin")[kMarkerByte], 0x10);  // unchanged
}

TEST_F(ProfileFiles, LabelsAndSkinKeysOfTheTextFile) {
    const ButtonLabels labels = {L"A", L"B", L"\u5DE6\u952E", L"", L"E", L"F", L"G", L"H"};
    WriteLabels(m_ini, Path(L"str1.ini"), L"Setting-CHS", labels);
    m_ini.WriteString(Path(L"str1.ini"), L"Skins", L"Path", L"Default");
    const ProfileText text = ReadProfileText(m_ini, Path(L"str1.ini"), L"Setting-CHS");
    EXPECT_EQ(text.labels, labels);
    EXPECT_EQ(text.skin.path, L"Default");
    EXPECT_EQ(ReadProfileText(m_ini, Path(L"str1.ini"), L"Setting-EN").labels, ButtonLabels{});
    // No text file chosen: nothing read, nothing written.
    WriteLabels(m_ini, L"", L"Setting-EN", labels);
    EXPECT_EQ(ReadProfileText(m_ini, L"", L"Setting-CHS").labels, ButtonLabels{});
}

TEST_F(ProfileFiles, FirstRunRuleSetsTheDefaultLabelsOnce) {
    ProfileFileState state;
    state.textPath = Path(L"str0.ini");
    ButtonLabels labels;
    ASSERT_TRUE(ApplyFirstRunLabels(m_ini, state, Language::TraditionalChinese, labels));
    EXPECT_EQ(labels[0], L"\u5DE6\u9375");
    EXPECT_EQ(labels[5], L"DPI loop");
    EXPECT_EQ(m_ini.ReadString(state.textPath, L"Setting-CHT", L"Item8"), L"\u5F8C\u9000\u65B9\u5411\u9375");
    EXPECT_EQ(DefaultButtonLabels(Language::English),
              (ButtonLabels{L"Click", L"Menu", L"MID BUTTON", L"SCROLL UP", L"SCROLL DOWN", L"DPI loop",
                            L"IE Forward", L"IE Backward"}));
    state.firstRunFlag = 1;
    ButtonLabels kept = {L"mine"};
    EXPECT_FALSE(ApplyFirstRunLabels(m_ini, state, Language::English, kept));
    EXPECT_EQ(kept[0], L"mine");
}

class ProfileImportExport : public ProfileFolder {
protected:
    void SetUp() override {
        ProfileFolder::SetUp();
        std::filesystem::create_directories(m_folder / "elsewhere");
    }
    ScriptedFileDialogs m_dialogs;
};

TEST_F(ProfileImportExport, ImportTakesTheCurrentProfilesPlaceAndRecreatesItsFile) {
    ProfileSettings exported = Marked(0x44);
    exported.profile = 5;
    WriteConfig(L"elsewhere/fast.bin", exported, 0);
    WriteLabels(m_ini, Path(L"elsewhere/fast.ini"), L"Setting-EN", {L"Fire", L"Aim"});
    m_ini.WriteString(Path(L"elsewhere/fast.ini"), L"Skins", L"RColor", L"200");

    ProfileFileState state;
    state.listIndex = 2;  // config2.bin does not exist: import creates it
    m_dialogs.answer = Path(L"elsewhere/fast.bin");
    ProfileSettings settings{};
    ProfileText text;
    ASSERT_TRUE(ImportProfile(Ports(), m_dialogs, state, settings, text, L"Setting-EN"));

    ProfileSettings expected = exported;
    expected.profile = 2;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(state.firstRunFlag, 0);
    EXPECT_EQ(text.labels[1], L"Aim");
    EXPECT_EQ(text.skin.red, L"200");
    EXPECT_EQ(StoredSettings(L"config2.bin"), expected);
    EXPECT_EQ(m_ini.ReadString(Path(L"str2.ini"), L"Setting-EN", L"Item1"), L"Fire");
    EXPECT_EQ(state.configPath, Path(L"config2.bin"));
    EXPECT_TRUE(m_notifier.messages.empty());
}

TEST_F(ProfileImportExport, ImportIgnoresCancelOtherNamesAndWrongSizes) {
    WriteConfig(L"elsewhere/short.bin", Marked(0x44), 1, kConfigFileBytes - 1);
    WriteConfig(L"elsewhere/profile.txt", Marked(0x44));
    for (const std::optional<std::wstring>& answer :
         {std::optional<std::wstring>{}, std::optional{Path(L"elsewhere/profile.txt")},
          std::optional{Path(L"elsewhere/short.bin")}}) {
        m_dialogs.answer = answer;
        ProfileFileState state;
        ProfileSettings settings{};
        ProfileText text;
        EXPECT_FALSE(ImportProfile(Ports(), m_dialogs, state, settings, text, L"Setting-EN"));
        EXPECT_EQ(settings, ProfileSettings{});
    }
    EXPECT_FALSE(m_files.Exists(Path(L"config0.bin")));
    // A file of the wrong size is named, with what is wrong with it.
    ASSERT_EQ(m_notifier.messages.size(), 1u);
    EXPECT_THAT(m_notifier.messages[0].text,
                ::testing::HasSubstr(L"short.bin\" is damaged: it has 1756 bytes"));
    m_notifier.messages.clear();

    m_dialogs.answer = Path(L"elsewhere/gone.bin");
    ProfileFileState state;
    ProfileSettings settings{};
    ProfileText text;
    EXPECT_FALSE(ImportProfile(Ports(), m_dialogs, state, settings, text, L"Setting-EN"));
    EXPECT_EQ(m_notifier.messages, std::vector{kMissing});
}

TEST_F(ProfileImportExport, AnImportedFileIsBroughtIntoRangeBeforeItIsStored) {
    ProfileSettings foreign = Marked(0x44);
    foreign.xSensitivity = 0;
    WriteConfig(L"elsewhere/foreign.bin", foreign);
    m_dialogs.answer = Path(L"elsewhere/foreign.bin");
    ProfileFileState state;
    ProfileSettings settings{};
    ProfileText text;
    ASSERT_TRUE(ImportProfile(Ports(), m_dialogs, state, settings, text, L"Setting-EN"));
    EXPECT_EQ(settings.xSensitivity, 1);
    EXPECT_EQ(StoredSettings(L"config0.bin").xSensitivity, 1);
    ASSERT_EQ(m_notifier.messages.size(), 1u);
    EXPECT_THAT(m_notifier.messages[0].text, ::testing::HasSubstr(L"corrected: X sensitivity."));
}

TEST_F(ProfileImportExport, ImportAcceptsAnUpperCaseExtension) {
    WriteConfig(L"elsewhere/OLD.BIN", Marked(0x44));
    m_dialogs.answer = Path(L"elsewhere/OLD.BIN");
    ProfileFileState state;
    ProfileSettings settings{};
    ProfileText text;
    EXPECT_TRUE(ImportProfile(Ports(), m_dialogs, state, settings, text, L"Setting-EN"));
}

TEST_F(ProfileImportExport, ExportWritesThePairAndASecondCopyBesideTheProgram) {
    ProfileFileState state;
    state.listIndex = 1;
    state.configPath = Path(L"config1.bin");
    ProfileSettings settings = Marked(0x66);
    settings.profile = 1;
    const ButtonLabels labels = {L"Shoot"};
    m_dialogs.answer = Path(L"elsewhere/backup");
    ASSERT_TRUE(ExportProfile(Ports(), m_dialogs, state, settings, labels, L"Setting-EN"));

    EXPECT_EQ(m_dialogs.proposed, std::vector{Path(L"config1.bin")});
    for (const std::wstring& place : {Path(L"elsewhere/"), Path(L"")}) {
        EXPECT_EQ(m_ini.ReadString(place + L"backup.ini", L"Setting-EN", L"Item1"), L"Shoot") << place;
    }
    EXPECT_EQ(StoredSettings(L"elsewhere/backup.bin"), settings);
    EXPECT_EQ(StoredSettings(L"backup.bin"), settings);
    EXPECT_EQ(state.configPath, Path(L"backup.bin"));
    EXPECT_EQ(state.textPath, Path(L"str1.ini"));
}

TEST_F(ProfileImportExport, ExportNeverReplacesTheProgramsOwnFiles) {
    WriteConfig(L"config.bin", Marked(0x01), 0);
    WriteConfig(L"config3.bin", Marked(0x03));
    m_ini.WriteString(Path(L"record.ini"), L"Macro", L"ItemCount", L"0");
    for (const wchar_t* name : {L"config.bin", L"CONFIG3.bin", L"record.bin", L"str.bin"}) {
        ProfileFileState state;
        m_dialogs.answer = Path(L"elsewhere/") + name;
        ASSERT_TRUE(ExportProfile(Ports(), m_dialogs, state, Marked(0x66), {L"x"}, L"Setting-EN")) << name;
        EXPECT_EQ(state.configPath, Path(L"elsewhere/") + name);
    }
    EXPECT_EQ(Contents(L"config.bin")[kMarkerByte], 0x01);
    EXPECT_EQ(Contents(L"config3.bin")[kMarkerByte], 0x03);
    EXPECT_EQ(m_ini.SectionNames(Path(L"record.ini")), std::vector<std::wstring>{L"Macro"});
    EXPECT_FALSE(m_ini.FileExists(Path(L"str.ini")));
}

TEST_F(ProfileImportExport, ExportIntoTheProgramsFolderWritesOnce) {
    ProfileFileState state;
    m_dialogs.answer = Path(L"mine.bin");
    ASSERT_TRUE(ExportProfile(Ports(), m_dialogs, state, Marked(0x66), {L"x"}, L"Setting-EN"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), {}),
              3);  // elsewhere, mine.bin, mine.ini
    m_dialogs.answer.reset();
    EXPECT_FALSE(ExportProfile(Ports(), m_dialogs, state, Marked(0x66), {L"x"}, L"Setting-EN"));
}

}  // namespace
}  // namespace ravix
