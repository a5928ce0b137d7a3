// Button Assignment's page in the main window: its lists, opened by presses on the boxes and
// driven by the pointer moving over them and clicking an entry, as the list boxes see it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/dialogs/KeyCaptureDialogs.h"
#include "core/editor/ButtonBoxes.h"
#include "tests/win/DialogScript.h"
#include "tests/win/MainWindowFixture.h"
#include "win/dialogs/ComboDialog.h"

namespace ravix::win {
namespace {

using test_support::MainWindowPresses;
using ::testing::ElementsAreArray;

class ButtonAssignmentPageTest : public MainWindowPresses {
protected:
    void OpenPage() {
        Open();
        Press(20 + 1, 107 + 1);  // the Button Assignment header
    }
    // The pointer moving onto an entry, as the message loop hands the move to the window first.
    POINT Hover(HWND list, int entry) {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&item));
        const POINT point{item.left + 2, item.top + 2};
        MSG move{list, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), 0, {}};
        window.PreTranslateMessage(&move);
        return point;
    }
    void Click(HWND list, int entry) {
        const POINT point = Hover(list, entry);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    HWND List(int id) const { return GetDlgItem(hwnd, id); }
};

TEST_F(ButtonAssignmentPageTest, MultimediaChoicesOfButtonSevenReachItsSlotWithSave) {
    struct Case {
        int entry;
        const wchar_t* label;
        std::array<std::uint8_t, 4> slot;
    };
    const Case cases[] = {
        {6, L"Volume Up", {0x03, 0x00, 0xE9, 0x00}},
        {0, L"Media player", {0x03, 0x00, 0x83, 0x01}},
    };
    OpenPage();
    for (const Case& c : cases) {
        Press(ButtonBoxRect(7));
        ASSERT_NE(List(47), nullptr) << "button 7's list opens";
        Hover(List(47), 7);  // "Multimedia"
        ASSERT_NE(List(35), nullptr) << "hovering Multimedia opens its list";
        Click(List(35), c.entry);
        EXPECT_EQ(List(35), nullptr);
        EXPECT_EQ(List(47), nullptr);
        EXPECT_EQ(state.store.text.labels[6], c.label);
        SendMessageW(hwnd, WM_TIMER, 1, 0);  // the busy period of an earlier Save is over
        Press(kSaveButton);
        const auto map = mouse.ButtonMap();
        EXPECT_THAT(std::vector<std::uint8_t>(map.begin() + 16, map.begin() + 20), ElementsAreArray(c.slot))
            << c.label;
    }
}

TEST_F(ButtonAssignmentPageTest, HoveringMovesBetweenSecondLevelListsAndPlainEntriesCloseThem) {
    OpenPage();
    Press(ButtonBoxRect(3));
    Hover(List(43), 6);  // "CPI Cycle"
    EXPECT_NE(List(38), nullptr);
    Hover(List(43), 8);  // "HotKey"
    EXPECT_EQ(List(38), nullptr);
    EXPECT_NE(List(36), nullptr);
    Hover(List(43), 10);  // "Single Key"
    EXPECT_EQ(List(36), nullptr);
    EXPECT_NE(List(43), nullptr);
}

TEST_F(ButtonAssignmentPageTest, TheLastLeftClickIsRefusedUntilAnotherButtonClicks) {
    OpenPage();
    ASSERT_EQ(state.profileSettings.actionType[0], 0);
    Press(ButtonBoxRect(1));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, window.Texts().leftKeyRequired);
    EXPECT_EQ(List(41), nullptr);

    Press(ButtonBoxRect(2));
    Click(List(42), 0);  // "Click"
    EXPECT_EQ(state.profileSettings.actionType[1], 0);
    Press(ButtonBoxRect(1));
    EXPECT_NE(List(41), nullptr);
    EXPECT_EQ(notifier.messages.size(), 1u);
}

TEST_F(ButtonAssignmentPageTest, ListsCloseOnAnOutsidePressOnTheSameBoxAndWithTheSection) {
    OpenPage();
    Press(ButtonBoxRect(4));
    Press(500, 300);
    EXPECT_EQ(List(44), nullptr) << "a press outside the box and list";
    Press(ButtonBoxRect(4));
    Press(ButtonBoxRect(4));
    EXPECT_EQ(List(44), nullptr) << "a second press on the box";
    Press(ButtonBoxRect(4));
    Hover(List(44), 2);
    Press(20 + 1, 107 + 1);
    EXPECT_EQ(List(44), nullptr) << "collapsing the section";
    EXPECT_EQ(List(39), nullptr);
    EXPECT_FALSE(window.WindowState().openButtonList);
}

TEST_F(ButtonAssignmentPageTest, AProfileNeverSavedGetsTheDefaultLabelsWhenTheMouseIsThere) {
    struct Case {
        bool plugged;
        std::uint8_t firstRun;
        bool defaults;
    };
    const Case cases[] = {{true, 0, true}, {true, 1, false}, {false, 0, false}};
    for (const Case& c : cases) {
        WriteProfile(0, FactorySettings(0), c.firstRun);
        ASSERT_TRUE(ini.WriteString(Path(L"str0.ini"), L"Setting-EN", L"Item1", L"Mine"));
        if (!c.plugged) bus.Unplug();
        Open();
        const std::wstring expected = c.defaults ? window.Texts().click : L"Mine";
        EXPECT_EQ(state.store.text.labels[0], expected) << c.plugged << int(c.firstRun);
        EXPECT_EQ(ini.ReadString(Path(L"str0.ini"), L"Setting-EN", L"Item1"), expected);
        DestroyWindow(hwnd);
        if (!c.plugged) bus.Plug();
    }
}

TEST_F(ButtonAssignmentPageTest, ShowingTheWindowAgainAfterCancelClosesTheLists) {
    OpenPage();
    Press(ButtonBoxRect(5));
    ASSERT_NE(List(45), nullptr);
    Press(kCancelButton);
    SendMessageW(hwnd, WM_TRAY_ICON, 0, WM_LBUTTONUP);
    EXPECT_EQ(List(45), nullptr);
    EXPECT_FALSE(window.WindowState().openButtonList);
}

TEST_F(ButtonAssignmentPageTest, PagesLeftEmptyAtStartUpAreFilledWhenTheIconShowsTheWindow) {
    WriteProfile(0, FactorySettings(0), 0);
    ASSERT_TRUE(ini.WriteString(Path(L"str0.ini"), L"Setting-EN", L"Item1", L"Mine"));
    bus.Unplug();
    Open();
    EXPECT_EQ(state.store.text.labels[0], L"Mine");
    PlugTheMouseIn();
    SendMessageW(hwnd, WM_TRAY_ICON, 0, WM_LBUTTONUP);
    EXPECT_EQ(state.store.text.labels[0], window.Texts().click);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

// Single Key and Combo Key open their dialogs with the button's stored keys; OK stores the keys and
// the label, Cancel keeps both, and Save sends the entries to the mouse.
TEST_F(ButtonAssignmentPageTest, KeyDialogsStoreTheirKeysAndLabelsAndSaveSendsThem) {
    std::filesystem::copy_file(RAVIX_KBHOOK_PATH, folder / L"KBHook.dll");
    CopyShippedSkin();
    OpenPage();
    const auto dialog = [] { return GetActiveWindow(); };
    const auto report = [&](WPARAM key) { PostMessageW(dialog(), kKeyReportMessage, key, 0); };
    const auto press = [&](const PixelRect& r) { test_support::PostClick(dialog(), r.left + 3, r.top + 3); };
    const auto choose = [&](int button, int entry, std::vector<std::function<void()>> steps) {
        test_support::DialogScript script(std::move(steps), [&] { press(kKeyDialogCancelRect); });
        Press(ButtonBoxRect(button));
        Click(List(40 + button), entry);
        EXPECT_TRUE(script.Finished()) << button;
    };

    choose(7, 10, {[&] { report(VK_F5); }, [&] { press(kKeyDialogOkRect); }});
    EXPECT_EQ(state.store.text.labels[6], L"Single Key-F5");
    EXPECT_EQ(state.profileSettings.singleKey[6], 0x3E);

    choose(7, 10, {[&] { report(VK_F6); }, [&] { press(kKeyDialogCancelRect); }});
    EXPECT_EQ(state.store.text.labels[6], L"Single Key-F5") << "Cancel keeps what was stored";
    EXPECT_EQ(state.profileSettings.singleKey[6], 0x3E);

    choose(8, 11,
           {[&] { press(kModifierAreaRect); },
            [&] {
                const HWND list = GetDlgItem(dialog(), CComboDialog::kModifierListId);
                RECT first{};
                SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
                test_support::PostClick(list, first.left + 2, first.top + 2);  // "Left Ctrl"
            },
            [&] {
                SetFocus(GetDlgItem(dialog(), CComboDialog::kFirstKeyId));
                report('A');
            },
            [&] { press(kKeyDialogOkRect); }});
    EXPECT_EQ(state.store.text.labels[7], L"Combo Key-Left Ctrl+A");
    EXPECT_TRUE(notifier.messages.empty());

    SendMessageW(hwnd, WM_TIMER, 1, 0);
    Press(kSaveButton);
    const auto map = mouse.ButtonMap();
    EXPECT_THAT(std::vector<std::uint8_t>(map.begin() + 16, map.begin() + 24),
                ElementsAreArray({0x00, 0x00, 0x3E, 0x00, 0x00, 0x01, 0x04, 0x00}));
}

}  // namespace
}  // namespace ravix::win
