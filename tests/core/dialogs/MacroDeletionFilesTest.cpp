// A deleted macro's later numbers follow in every stored profile, with the profile's own images of
// the macro slots: only whole files that need a change are rewritten, with their first-run flag,
// and a file that cannot be written, or whose button played the deleted macro, is named.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#include "core/dialogs/MacroDeletionFiles.h"
#include "core/platform/TextEncoding.h"
#include "tests/fakes/FailingBinaryFiles.h"
#include "tests/fakes/ProfileFolder.h"

namespace ravix {
namespace {

constexpr std::size_t kMacroNumberByte = 1 + offsetof(ProfileSettings, macroNumber);
constexpr std::size_t kMacroSlotsByte = 1 + offsetof(ProfileSettings, macroSlots);

class MacroDeletionFiles : public ProfileFolder {
protected:
    // A profile whose buttons 1..8 play the given macro numbers; -1 leaves a button off macros. Its
    // macro slots are empty.
    static ProfileSettings Playing(std::array<int, ProfileSettings::kButtons> macros) {
        ProfileSettings settings = Marked(0x33);
        for (auto& slot : settings.macroSlots) slot.fill(0);
        for (std::size_t i = 0; i < macros.size(); ++i) {
            if (macros[i] < 0) continue;
            settings.actionType[i] = static_cast<std::uint8_t>(ActionType::MacroKey);
            settings.macroNumber[i] = static_cast<std::uint8_t>(macros[i]);
        }
        return settings;
    }

    StoredProfilesFollow Follow(BinaryFiles& files, std::size_t position) {
        return FollowMacroDeletionInProfileFiles(files, Path(L"Velmar Ravix Driver.exe"), position);
    }
};

TEST_F(MacroDeletionFiles, OnlyLaterNumbersAndSlotsOfWholeFilesMoveDown) {
    ProfileSettings mixed = Playing({0, 1, 3, -1, -1, -1, -1, 2});
    mixed.macroNumber[3] = 9;  // button 4 is no macro key: its stale number means nothing
    for (std::size_t slot = 0; slot < 5; ++slot) mixed.macroSlots[slot].fill(static_cast<std::uint8_t>(0x10 + slot));
    WriteConfig(L"config0.bin", mixed, 0);
    WriteConfig(L"config1.bin", Playing({-1, -1, -1, -1, -1, -1, -1, -1}));
    WriteConfig(L"config2.bin", Playing({5, 5, 5, 5, 5, 5, 5, 5}), 1, 100);
    WriteConfig(L"config3.bin", Playing({5, 5, 5, 5, 5, 5, 5, 5}), 1, kConfigFileBytes + 1);
    const std::vector<std::uint8_t> before[] = {Contents(L"config0.bin"), Contents(L"config1.bin"),
                                                Contents(L"config2.bin"), Contents(L"config3.bin")};

    FailingBinaryFiles recording(m_files, 0);
    const StoredProfilesFollow follow = Follow(recording, 1);
    EXPECT_EQ(follow.changed, std::vector{Path(L"config0.bin")});
    EXPECT_TRUE(follow.failed.empty());
    EXPECT_EQ(recording.replaced, std::vector{Path(L"config0.bin")}) << "no other file is written";
    EXPECT_EQ(follow.playedDeleted, std::vector{Path(L"config0.bin")}) << "button 2 played the deleted macro";
    EXPECT_NE(StoredProfilesWarning(follow, Language::English).find(Path(L"config0.bin")), std::wstring::npos);

    // Buttons 3 and 8 played macros 4 and 3 and follow them, and so do the slots' images: the
    // second goes, the later ones move down, the last is empty. The rest of the file is as it
    // was, the first-run flag 0 included.
    std::vector<std::uint8_t> expected = before[0];
    expected[kMacroNumberByte + 2] = 2;
    expected[kMacroNumberByte + 7] = 1;
    const std::size_t slotBytes = ProfileSettings::kMacroSlotBytes;
    for (std::size_t slot = 1; slot < ProfileSettings::kMacroSlots; ++slot) {
        const std::uint8_t now = slot < 4 ? static_cast<std::uint8_t>(0x11 + slot) : 0;
        std::fill_n(expected.begin() + static_cast<std::ptrdiff_t>(kMacroSlotsByte + slot * slotBytes), slotBytes, now);
    }
    EXPECT_EQ(Contents(L"config0.bin"), expected);
    for (int i : {1, 2, 3}) EXPECT_EQ(Contents(ConfigFileName(i)), before[i]) << i;
    EXPECT_FALSE(m_files.Exists(Path(L"config4.bin"))) << "a missing profile is not created";
}

TEST_F(MacroDeletionFiles, AFileThatCannotBeWrittenIsNamedAndKept) {
    WriteConfig(L"config0.bin", Playing({-1, 4, -1, -1, -1, -1, -1, -1}));
    WriteConfig(L"config5.bin", Playing({-1, -1, -1, -1, -1, -1, 7, -1}));
    const std::vector<std::uint8_t> first = Contents(L"config0.bin");

    FailingBinaryFiles failing(m_files, 1);
    const StoredProfilesFollow follow = Follow(failing, 0);
    EXPECT_EQ(
        follow.failed,
        (std::vector<StoredProfilesFollow::Failure>{{Path(L"config0.bin"), FailingBinaryFiles::kError}}));
    EXPECT_EQ(Contents(L"config0.bin"), first);
    EXPECT_EQ(follow.changed, std::vector{Path(L"config5.bin")}) << "the others still follow";
    EXPECT_EQ(Contents(L"config5.bin")[kMacroNumberByte + 6], 6);

    for (Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
        const std::wstring text = StoredProfilesWarning(follow, language);
        EXPECT_NE(text.find(L"\n" + Path(L"config0.bin") + L" (112)"), std::wstring::npos) << ToUtf8(text);
        EXPECT_EQ(text.find(L"config5.bin"), std::wstring::npos);
    }
}

}  // namespace
}  // namespace ravix
