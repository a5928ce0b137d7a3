// The profile manager's rules: new names, refused names, the current profile, the list file, and
// the files that move down when a profile is deleted.
#include <gtest/gtest.h>

#include <optional>

#include "core/store/ProfileManager.h"
#include "tests/fakes/FailingBinaryFiles.h"
#include "tests/fakes/ProfileFolder.h"

namespace ravix {
namespace {

using Names = std::vector<std::wstring>;

TEST(ProfileManagerRules, NewNamesFollowTheLastNameAndNeverRepeatOne) {
    struct Case {
        Names names;
        std::optional<std::wstring> expected;
    };
    const Case cases[] = {
        {{}, L"PROFILE_0"},
        {{L"PROFILE_0", L"PROFILE_3"}, L"PROFILE_4"},
        {{L"PROFILE_0", L"Game"}, L"Game_2"},
        {{L"FPS_x"}, L"PROFILE_1"},  // a suffix that is no number counts as 0
        {{L"PROFILE_0", L"PROFILE_1", L"X_0"}, L"PROFILE_2"},  // PROFILE_1 is taken
        {{L"a", L"b", L"c", L"d", L"e", L"f"}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(NewProfileName(c.names, L"PROFILE"), c.expected) << c.names.size();
}

TEST(ProfileManagerRules, TypedNamesAreRefusedWhenEmptyTakenOrNotStorable) {
    const Names names = {L"PROFILE_0", L"Game", L"Work"};
    struct Case {
        std::wstring typed;
        std::size_t renamed;
        ProfileNameProblem problem;
        std::wstring name;
    };
    const Case cases[] = {
        {L"  Shooter ", 0, ProfileNameProblem::None, L"Shooter"},
        {L"GAME", 1, ProfileNameProblem::None, L"GAME"},  // its own name in other letters
        {L"", 0, ProfileNameProblem::Empty, L""},
        {L"   ", 0, ProfileNameProblem::Empty, L""},
        {L"game", 0, ProfileNameProblem::Taken, L"game"},
        {L"\"Quoted\"", 0, ProfileNameProblem::NotStorable, L"\"Quoted\""},
        {L"Two\tparts", 0, ProfileNameProblem::NotStorable, L"Two\tparts"},
        {std::wstring(1024, L'x'), 0, ProfileNameProblem::NotStorable, std::wstring(1024, L'x')},
    };
    for (const Case& c : cases) {
        const CheckedProfileName checked = CheckProfileName(c.typed, names, c.renamed);
        EXPECT_EQ(checked.problem, c.problem) << c.typed.substr(0, 20);
        EXPECT_EQ(checked.name, c.name);
    }
    EXPECT_EQ(ProfileNameMessage(ProfileNameProblem::Taken, Language::English), L"Another profile already has this name.");
    EXPECT_EQ(ProfileNameMessage(ProfileNameProblem::Empty, Language::TraditionalChinese), L"配置名稱不能為空。");
}

TEST(ProfileManagerRules, TheCurrentProfileIsFoundByItsExactName) {
    EXPECT_EQ(FindCurrentProfile(Names{L"PROFILE_1", L"PROFILE_10"}, L"PROFILE_1"), 0);
    EXPECT_EQ(FindCurrentProfile(Names{L"Work", L"Game", L"Work"}, L"Work"), 2);
    EXPECT_EQ(FindCurrentProfile(Names{L"Work"}, L"work"), std::nullopt);
}

using ProfileManagerFiles = ProfileFolder;

TEST_F(ProfileManagerFiles, TheListIsWrittenInPlaceOfTheOldOne) {
    WriteList({L"A", L"B", L"C"}, L"B", L"3");
    const ProfileList read = ReadProfileList(m_ini, Path(L"str.ini"));
    EXPECT_EQ(read.names, (Names{L"A", L"B", L"C"}));
    EXPECT_EQ(read.current, L"B");

    ASSERT_TRUE(WriteProfileList(m_ini, Path(L"str.ini"), {{L"B", L"Game_2"}, L"Game_2"}));
    const ProfileList written = ReadProfileList(m_ini, Path(L"str.ini"));
    EXPECT_EQ(written.names, (Names{L"B", L"Game_2"}));
    EXPECT_EQ(written.current, L"Game_2");
    EXPECT_EQ(m_ini.ReadString(Path(L"str.ini"), L"Profile", L"Item2"), L"") << "no name of the old list stays";

    ASSERT_TRUE(WriteProfileList(m_ini, Path(L"str.ini"), {{}, L""}));
    EXPECT_EQ(m_ini.ReadSection(Path(L"str.ini"), L"Profile").size(), 1u) << "only CurProfileName";
}

class ProfileFilesMoving : public ProfileFolder {
protected:
    // Three profiles, each file telling whose it is.
    void SetUp() override {
        ProfileFolder::SetUp();
        for (std::uint8_t i = 0; i < 3; ++i) {
            WriteConfig(L"config" + std::to_wstring(i) + L".bin", Marked(0x10 + i));
            m_ini.WriteString(Path(L"str" + std::to_wstring(i) + L".ini"), L"Setting-EN", L"Item1", L"Owner " + std::to_wstring(i));
        }
    }
    std::uint8_t Marker(int position) { return Contents(L"config" + std::to_wstring(position) + L".bin")[kMarkerByte]; }
    std::wstring Owner(int position) {
        return m_ini.ReadString(Path(L"str" + std::to_wstring(position) + L".ini"), L"Setting-EN", L"Item1");
    }
};

TEST_F(ProfileFilesMoving, DeletingTheFirstOfThreeMovesTheOthersDownAndFreshensTheLast) {
    const ProfileFilesMove move = MoveProfileFilesDown(m_files, Path(L"Velmar Ravix Driver.exe"), 0, 3);
    ASSERT_TRUE(move.moved);
    EXPECT_EQ(Marker(0), 0x11);
    EXPECT_EQ(Owner(0), L"Owner 1");
    EXPECT_EQ(Marker(1), 0x12);
    EXPECT_EQ(Owner(1), L"Owner 2");
    const std::vector<std::uint8_t> last = Contents(L"config2.bin");
    ASSERT_EQ(last.size(), kConfigFileBytes);
    EXPECT_EQ(last[0], 0) << "a profile added there starts as never saved";
    EXPECT_EQ(last[1], 2) << "its profile number";
    EXPECT_EQ(Owner(2), L"");
}

TEST_F(ProfileFilesMoving, AFailureHalfWayPutsBackWhatWasWritten) {
    for (int failAt : {1, 3, 6}) {
        FailingBinaryFiles failing(m_files, failAt);
        const ProfileFilesMove move = MoveProfileFilesDown(failing, Path(L"Velmar Ravix Driver.exe"), 0, 3);
        EXPECT_FALSE(move.moved) << failAt;
        EXPECT_EQ(move.error, FailingBinaryFiles::kError);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(Marker(i), 0x10 + i) << failAt;
            EXPECT_EQ(Owner(i), L"Owner " + std::to_wstring(i)) << failAt;
        }
        EXPECT_EQ(ProfileFilesMoveMessage(move, Language::English),
                  L"The profile could not be deleted: \"" + move.failedPath + L"\" could not be written (error " +
                      std::to_wstring(FailingBinaryFiles::kError) +
                      L"). The profiles and their files were left as they were.");
        EXPECT_EQ(ProfileFilesMoveMessage(move, Language::SimplifiedChinese),
                  L"无法删除配置：\"" + move.failedPath + L"\" 无法写入（错误代码 " +
                      std::to_wstring(FailingBinaryFiles::kError) + L"）。配置及其文件均保持原样。");
    }
}

}  // namespace
}  // namespace ravix
