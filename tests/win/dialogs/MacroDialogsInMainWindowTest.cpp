// The macro dialogs as the main window opens them: the Macro Manager header and "Macro Key" in a
// button's list; what they confirm reaches the mouse with Save.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>

#include "core/dialogs/MacroDialogs.h"
#include "core/editor/ButtonBoxes.h"
#include "core/editor/MainWindowLayout.h"
#include "core/macros/MacroLibrary.h"
#include "core/platform/FileIo.h"
#include "tests/win/DialogScript.h"
#include "tests/win/MainWindowFixture.h"
#include "win/app/Messages.h"

namespace ravix::win {
namespace {

using test_support::DialogScript;
using test_support::PostClick;

// The macro slots a full write sent: each slot's command, then its two 64-byte output reports.
MacroImage SentMacroSlots(const std::vector<std::string>& log) {
    MacroImage image{};
    auto* bytes = reinterpret_cast<std::uint8_t*>(&image);
    for (std::size_t i = 0; i + 2 < log.size(); ++i) {
        if (!log[i].starts_with("SET_FEATURE 00 0F ")) continue;
        const unsigned slot = std::stoul(log[i].substr(18, 2), nullptr, 16);
        if (slot < 1 || slot > kMacroSlotCount) continue;
        std::size_t at = (slot - 1) * sizeof(MacroSlot);
        for (std::size_t report = 0, line = i + 1; report < 2 && line < log.size(); ++line) {
            if (!log[line].starts_with("WRITE ")) continue;
            std::istringstream hex(log[line].substr(6));
            std::string byte;
            hex >> byte;  // the report id
            for (int k = 0; k < 64 && hex >> byte; ++k)
                bytes[at++] = static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16));
            ++report;
        }
    }
    return image;
}

class MacroDialogsInMainWindow : public test_support::MainWindowPresses {
protected:
    // The dialogs draw from the installed skin: the whole of it beside the program.
    void SetUp() override {
        MainWindowPresses::SetUp();
        const std::filesystem::path dist = std::filesystem::path(RAVIX_KBHOOK_PATH).parent_path();
        std::filesystem::copy(
            dist / "Skins" / "Default", folder / "Skins" / "Default",
            std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }
    void WriteLibrary(const std::string& text) const {
        ASSERT_EQ(
            ReplaceFileAtomically(Path(L"record.ini"),
                                  std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())),
            0);
    }
    static void PressIn(HWND dialog, PixelRect rect) { PostClick(dialog, rect.left + 2, rect.top + 2); }
};

TEST_F(MacroDialogsInMainWindow, TheHeaderOpensTheManagerWhoseImageReachesTheMouseWithSave) {
    WriteLibrary(
        "[Jump]\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=3\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=A   "
        "Up\r\n");
    Open();
    PlugTheMouseIn();
    const ClientRect header = LayOutMainWindow(window.WindowState().layout, CatalogueBodyHeights())
                                  .Of(Section::MacroManager)
                                  .header;
    DialogScript script({[] { PressIn(GetActiveWindow(), MacroManagerRect(MacroManagerRegion::Ok)); }}, [] {
        PostMessageW(GetActiveWindow(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Press(header);
    EXPECT_TRUE(script.Finished());
    WinIniFile reader;
    const MacroImage expected = EncodeLibrary(MacroLibrary(reader, Path(L"record.ini")), 1).image;
    EXPECT_EQ(expected.slots[0].repeatCount[1], 3);
    EXPECT_EQ(std::memcmp(state.profileSettings.macroSlots.data(), &expected, sizeof expected), 0);
    mouse.Log().Clear();
    SendMessageW(hwnd, WM_TIMER, 1, 0);
    Press(kSaveButton);
    EXPECT_EQ(SentMacroSlots(mouse.Log().Lines()), expected);
}

// "Macro Key" in button 3's list: the dialog lists the library, OK stores slot and mode and the label;
// Cancel leaves the button as it was.
TEST_F(MacroDialogsInMainWindow, MacroKeyAssignsTheChosenMacroAndModeOrNothing) {
    WriteLibrary("[One]\r\nItemCount=0\r\n[Two]\r\nItemCount=0\r\n");
    Open();
    Press(20 + 1, 107 + 1);  // Button Assignment
    const auto chooseMacroKey = [&] {
        Press(ButtonBoxRect(3));
        const HWND list = GetDlgItem(hwnd, MainListControlId(3));
        ASSERT_NE(list, nullptr);
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, 12, reinterpret_cast<LPARAM>(&item));
        SendMessageW(list, LB_SETCURSEL, 12, 0);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 2, item.top + 2));
        SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(item.left + 2, item.top + 2));
    };
    {
        DialogScript pick(
            {[] { PressIn(GetActiveWindow(), MacroAssignmentRect(MacroAssignmentRegion::NameBoxClickArea)); },
             [] {
                 const HWND dialog = GetActiveWindow();
                 const HWND names = GetDlgItem(dialog, kMacroChoiceListId);
                 ASSERT_NE(names, nullptr);
                 EXPECT_EQ(SendMessageW(names, LB_GETCOUNT, 0, 0), 2);
                 SendMessageW(names, LB_SETCURSEL, 1, 0);
                 SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kMacroChoiceListId, LBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(names));
                 PressIn(dialog, MacroAssignmentRect(MacroAssignmentRegion::Mode2));
             },
             [] {
                 const HWND dialog = GetActiveWindow();
                 EXPECT_EQ(test_support::WindowTextOf(GetDlgItem(dialog, kMacroNameBoxId)), L"Two");
                 EXPECT_EQ(GetDlgItem(dialog, kMacroChoiceListId), nullptr) << "the list closes on a choice";
             test_support::HoldForScreenshot();
                 PressIn(dialog, MacroAssignmentRect(MacroAssignmentRegion::Ok));
             }},
            [] { PostMessageW(GetActiveWindow(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
        chooseMacroKey();
        EXPECT_TRUE(pick.Finished());
    }
    EXPECT_EQ(state.profileSettings.actionType[2], static_cast<std::uint8_t>(ActionType::MacroKey));
    EXPECT_EQ(state.profileSettings.macroNumber[2], 1);
    EXPECT_EQ(state.profileSettings.macroLoopMode[2], 2);
    EXPECT_NE(state.store.text.labels[2].find(L"Two"), std::wstring::npos) << state.store.text.labels[2];

    const ProfileSettings before = state.profileSettings;
    const std::wstring label = state.store.text.labels[2];
    {
        DialogScript cancel(
            {[] { PressIn(GetActiveWindow(), MacroAssignmentRect(MacroAssignmentRegion::Cancel)); }},
            [] { PostMessageW(GetActiveWindow(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
        chooseMacroKey();
        EXPECT_TRUE(cancel.Finished());
    }
    EXPECT_EQ(std::memcmp(&before, &state.profileSettings, sizeof before), 0);
    EXPECT_EQ(state.store.text.labels[2], label);
}

}  // namespace
}  // namespace ravix::win
