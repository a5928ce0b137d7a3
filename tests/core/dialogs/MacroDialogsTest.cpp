#include <gtest/gtest.h>

#include "core/dialogs/MacroDialogs.h"

namespace ravix {
namespace {

ProfileSettings WithMacroButtons(std::initializer_list<std::pair<int, std::uint8_t>> buttons) {
    ProfileSettings settings{};
    for (const auto& [button, macro] : buttons) {
        const auto i = static_cast<std::size_t>(button - 1);
        settings.actionType[i] = static_cast<std::uint8_t>(ActionType::MacroKey);
        settings.macroNumber[i] = macro;
    }
    return settings;
}

// Deleting macro 2 (position 1): its own button is named and kept, later ones follow their macro,
// earlier ones and buttons of other functions that merely hold an old number are untouched.
TEST(FollowMacroDeletion, LaterButtonsFollowTheirMacroDown) {
    ProfileSettings settings = WithMacroButtons({{2, 1}, {3, 4}, {5, 0}, {8, 2}});
    settings.macroNumber[0] = 7;  // button 1 is no macro key: its stale number means nothing
    const MacroDeletionEffect effect = FollowMacroDeletion(settings, 1);
    EXPECT_EQ(effect.playedDeleted, std::vector<int>{2});
    EXPECT_EQ(effect.playedLater, (std::vector<int>{3, 8}));
    EXPECT_EQ(settings.macroNumber[1], 1);
    EXPECT_EQ(settings.macroNumber[2], 3);
    EXPECT_EQ(settings.macroNumber[4], 0);
    EXPECT_EQ(settings.macroNumber[7], 1);
    EXPECT_EQ(settings.macroNumber[0], 7);
    EXPECT_TRUE(FollowMacroDeletion(settings, 9).Empty());
}

TEST(MacroDialogTexts, NameWhatHappened) {
    const MacroDeletionEffect effect{{2}, {3, 8}};
    const std::wstring english = MacroDeletionWarning(effect, L"Jump", Language::English);
    EXPECT_NE(english.find(L"\"Jump\" was assigned to button 2."), std::wstring::npos) << english;
    EXPECT_NE(english.find(L"Button 3, 8 keeps"), std::wstring::npos) << english;
    EXPECT_NE(MacroDeletionWarning(effect, L"Jump", Language::SimplifiedChinese).find(L"按键 2"),
              std::wstring::npos);
    const MacroCut cut{1, L"Long", 63, 64};
    EXPECT_NE(MacroCutWarning(std::span(&cut, 1), Language::English).find(L"\nLong: 63 of 64 events kept"),
              std::wstring::npos);
    EXPECT_NE(MacroLibraryWriteFailed(5, Language::TraditionalChinese).find(L"5"), std::wstring::npos);
}

TEST(MacroDialogRegions, PressesLandOnButtonsAndBoxesOnly) {
    EXPECT_EQ(MacroManagerPressAt({300, 90}), MacroManagerRegion::Record);
    EXPECT_EQ(MacroManagerPressAt({377, 150}), MacroManagerRegion::RecordDelaysBox);
    EXPECT_EQ(MacroManagerPressAt({450, 20}), MacroManagerRegion::Close);
    EXPECT_EQ(MacroManagerPressAt({30, 100}), MacroManagerRegion::None);  // the macro list is a control
    EXPECT_EQ(MacroAssignmentPressAt({145, 130}), MacroAssignmentRegion::NameBoxClickArea);
    EXPECT_EQ(MacroAssignmentPressAt({225, 180}), MacroAssignmentRegion::Mode2);
    EXPECT_EQ(MacroAssignmentPressAt({355, 10}), MacroAssignmentRegion::Close);
}

}  // namespace
}  // namespace ravix
