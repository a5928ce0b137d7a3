// The profile manager in the main window over a folder of profile files, driven by presses on its
// panel and the commands of its list's menu.
#include <gtest/gtest.h>

#include "core/editor/MainWindowLayout.h"
#include "tests/win/DialogScript.h"
#include "tests/win/MainWindowFixture.h"
#include "win/dialogs/LBEditorWnd.h"

namespace ravix::win {
namespace {

using Names = std::vector<std::wstring>;

class ProfileManagerTest : public test_support::MainWindowPresses {
protected:
    // Three profiles whose files tell them apart by their angle snap; "Game" is current.
    void SetUp() override {
        MainWindowPresses::SetUp();
        CopyShippedSkin();
        for (int i = 0; i < 3; ++i) {
            WriteProfile(i, Marked(i));
            ASSERT_TRUE(ini.WriteString(Path(L"str" + std::to_wstring(i) + L".ini"), L"Setting-EN", L"Item1",
                                        L"Label " + std::to_wstring(i)));
        }
        WriteList({L"PROFILE_0", L"Game", L"Work"}, L"Game");
    }
    static ProfileSettings Marked(int i) {
        ProfileSettings settings = FactorySettings(static_cast<std::uint8_t>(i));
        settings.angleSnap = static_cast<std::uint8_t>(2 + i);
        return settings;
    }
    void WriteList(const Names& names, const std::wstring& current) {
        ASSERT_TRUE(ini.DeleteSection(Path(L"str.ini"), L"Profile"));
        ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"ItemCount", std::to_wstring(names.size())));
        for (std::size_t i = 0; i < names.size(); ++i)
            ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"Item" + std::to_wstring(i), names[i]));
        ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"CurProfileName", current));
    }
    std::wstring ListValue(const std::wstring& key) { return ini.ReadString(Path(L"str.ini"), L"Profile", key); }

    CConfigDialog& OpenManager() {
        Press(kConfigButton);
        CConfigDialog* manager = window.ProfileManager();
        EXPECT_NE(manager, nullptr);
        return *manager;
    }
    void PressPanel(CConfigDialog& manager, const PixelRect& rect) {
        SendMessageW(manager.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.top + 2));
    }
    void Command(CConfigDialog& manager, ProfileMenuCommand command) {
        SendMessageW(manager.GetSafeHwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    void Select(CConfigDialog& manager, int index) { SendMessageW(manager.List(), LB_SETCURSEL, index, 0); }
    // A click on an entry, as the list tells the panel.
    void Choose(CConfigDialog& manager, int index) {
        Select(manager, index);
        SendMessageW(manager.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(CConfigDialog::kListId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(manager.List()));
    }
    // Choosing an entry remembers it; Edit on the remembered entry starts the edit in place.
    HWND BeginEdit(CConfigDialog& manager, int index) {
        Choose(manager, index == 0 ? 1 : 0);
        Choose(manager, index);
        Command(manager, ProfileMenuCommand::Rename);
        CLBEditorWnd* editor = CLBEditorWnd::ActiveOn(manager.List());
        return editor ? editor->GetSafeHwnd() : nullptr;
    }
    // Runs what the panel posted to the main window.
    void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
};

TEST_F(ProfileManagerTest, ConfigOpensOneManagerThatAddsUpToSixProfiles) {
    Open();
    CConfigDialog& manager = OpenManager();
    Press(kConfigButton);
    EXPECT_EQ(window.ProfileManager(), &manager) << "a second press opens no second manager";
    EXPECT_EQ(manager.Names(), (Names{L"PROFILE_0", L"Game", L"Work"}));
    EXPECT_EQ(manager.Selected(), 1);
    RECT frame{};
    GetWindowRect(manager.GetSafeHwnd(), &frame);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.right - frame.left, 263);

    for (int i = 0; i < 4; ++i) PressPanel(manager, kNewProfileRect);
    EXPECT_EQ(manager.Names(), (Names{L"PROFILE_0", L"Game", L"Work", L"Work_3", L"PROFILE_4", L"PROFILE_5"}));
    EXPECT_EQ(ListValue(L"ItemCount"), L"6") << "each change is written at once";
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"Profile numbers up to 6.");
    EXPECT_EQ(notifier.messages[0].caption, L"Warning");
    test_support::HoldForScreenshot();
}

TEST_F(ProfileManagerTest, DeletingTheFirstOfThreeMovesTheFilesWithTheNames) {
    Open();
    ASSERT_EQ(state.store.files.listIndex, 1);
    CConfigDialog& manager = OpenManager();
    Select(manager, 0);
    Command(manager, ProfileMenuCommand::Delete);
    Pump();
    EXPECT_EQ(manager.Names(), (Names{L"Game", L"Work"}));
    EXPECT_EQ(manager.Selected(), std::nullopt);
    EXPECT_EQ(Stored(0).angleSnap, 3) << "the former second profile's settings are in the files numbered 0";
    EXPECT_EQ(Stored(1).angleSnap, 4);
    EXPECT_EQ(ini.ReadString(Path(L"str0.ini"), L"Setting-EN", L"Item1"), L"Label 1");
    EXPECT_EQ(state.store.files.listIndex, 0) << "the main window's profile followed its files";
    EXPECT_EQ(state.profileSettings.angleSnap, 3);
    EXPECT_EQ(ListValue(L"Item1"), L"Work");
    EXPECT_EQ(ListValue(L"Item2"), L"");
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ProfileManagerTest, RenamesInPlaceAreCheckedAndCancelledOnesChangeNothing) {
    Open();
    CConfigDialog& manager = OpenManager();
    struct Case {
        std::wstring typed;
        WPARAM key;  // ends the edit
        std::wstring name;  // of the third profile afterwards
        bool refused;
    };
    const Case cases[] = {
        {L"", VK_RETURN, L"Work", true},
        {L"game", VK_RETURN, L"Work", true},
        {L"\"Quoted\"", VK_RETURN, L"Work", true},
        {L"Shooter", VK_ESCAPE, L"Work", false},
        {L" Shooter ", VK_RETURN, L"Shooter", false},
    };
    for (const Case& c : cases) {
        notifier.messages.clear();
        const HWND editor = BeginEdit(manager, 2);
        ASSERT_NE(editor, nullptr) << c.typed;
        SetWindowTextW(editor, c.typed.c_str());
        SendMessageW(editor, WM_KEYDOWN, c.key, 0);
        EXPECT_FALSE(IsWindow(editor));
        EXPECT_EQ(manager.Names()[2], c.name) << c.typed;
        EXPECT_EQ(ListValue(L"Item2"), c.name) << c.typed;
        EXPECT_EQ(notifier.messages.size(), c.refused ? 1u : 0u) << c.typed;
    }
    // The current profile stays current under its new name.
    SetWindowTextW(BeginEdit(manager, 1), L"Game 2");
    SendMessageW(CLBEditorWnd::ActiveOn(manager.List())->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(ListValue(L"CurProfileName"), L"Game 2");
}

TEST_F(ProfileManagerTest, ImportExportAndClosingSwitchTheProfileWithoutTouchingTheMouse) {
    Open();
    CConfigDialog& manager = OpenManager();
    // Export: the profile in the main window, to a file of the user's choice.
    dialogs.answer = Path(L"backup");
    Select(manager, 0);
    Command(manager, ProfileMenuCommand::Save);
    Pump();
    const FileContents backup = files.Read(Path(L"backup.bin"), 4096);
    ASSERT_EQ(backup.bytes.size(), kConfigFileBytes);
    EXPECT_EQ(backup.bytes[1 + offsetof(ProfileSettings, angleSnap)], 3) << "Game, the main window's profile";

    // Import into the selected profile, which becomes current.
    ProfileSettings imported = Marked(0);
    imported.angleSnap = 9;
    ASSERT_EQ(files.Replace(Path(L"imported.bin"), ConfigFileBytesOf(imported, 1)), 0);
    dialogs.answer = Path(L"imported.bin");
    Select(manager, 2);
    Command(manager, ProfileMenuCommand::Load);
    Pump();
    EXPECT_EQ(state.store.files.listIndex, 2);
    EXPECT_EQ(Stored(2).angleSnap, 9);
    EXPECT_EQ(Stored(2).profile, 2);
    EXPECT_EQ(state.profileSettings.angleSnap, 9);

    // Closing with PROFILE_0 selected makes it current.
    Select(manager, 0);
    PressPanel(manager, kProfileCloseRect);
    Pump();
    EXPECT_EQ(window.ProfileManager(), nullptr);
    EXPECT_EQ(ListValue(L"CurProfileName"), L"PROFILE_0");
    EXPECT_EQ(state.store.files.listIndex, 0);
    EXPECT_EQ(state.profileSettings.angleSnap, 2);
    EXPECT_TRUE(mouse.Log().Lines().empty()) << "nothing reaches the mouse before Save";
    EXPECT_TRUE(notifier.messages.empty());
    OpenManager();
    EXPECT_NE(window.ProfileManager(), nullptr) << "the Config button opens it again";
}

}  // namespace
}  // namespace ravix::win
