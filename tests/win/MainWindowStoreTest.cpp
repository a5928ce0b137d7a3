// The main window's configuration store: start-up, the profile manager's requests, Save, Reset
// and Cancel, and the presses and hover of the window's shared parts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "core/editor/ButtonBoxes.h"
#include "tests/fakes/TransferOutline.h"

namespace ravix::win {
namespace {

using test_support::MainWindowPresses;
using test_support::MainWindowStore;
using ::testing::ElementsAreArray;
using testing_support::FullWriteOutline;
using testing_support::Outline;

HCURSOR ClassCursor(HWND window) {
    return reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR));
}

TEST_F(MainWindowStore, StartUpLoadsTheCurrentProfileWithItsLanguageLabelsAndColour) {
    ProfileSettings second = FactorySettings(2);
    second.dpiLevel[0] = 30;
    WriteProfile(2, second);
    for (const auto& [key, value] : {std::pair{L"ItemCount", L"3"},
                                     {L"Item1", L"Work"},
                                     {L"Item2", L"Game"},
                                     {L"CurProfileName", L"Game"}})
        ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", key, value));
    ASSERT_TRUE(ini.WriteString(Path(L"str2.ini"), L"Skins", L"Lan", L"CHS"));
    ASSERT_TRUE(ini.WriteString(Path(L"str2.ini"), L"Skins", L"RColor", L"300"));
    ASSERT_TRUE(ini.WriteString(Path(L"str2.ini"), L"Setting-CHS", L"Item1", L"\u5DE6\u952E"));
    mouse.SetCurrentProfile(4);
    Open();

    EXPECT_EQ(state.store.files.listIndex, 2);
    EXPECT_EQ(state.profileSettings, second) << "the file's profile number wins over the mouse's";
    EXPECT_EQ(state.store.appliedSettings, second);
    EXPECT_EQ(state.store.languageCode, L"CHS");
    EXPECT_EQ(state.store.text.labels[0], L"\u5DE6\u952E");
    EXPECT_EQ(state.store.skinTextColour, (SkinTextColour{44, 255, 0}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(MainWindowStore, SaveWritesOnceWithinItsBusyPeriodUnderTheWaitCursor) {
    Open();
    state.profileSettings.dpiLevel[0] = 20;
    window.SaveToMouse();
    EXPECT_THAT(Outline(mouse.Log().Lines()), ElementsAreArray(FullWriteOutline(0, 1)));
    EXPECT_EQ(fakeClock.TotalPaused(), 832u);
    EXPECT_EQ(ClassCursor(hwnd), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(Stored(0), state.profileSettings);
    EXPECT_EQ(state.store.appliedSettings, state.profileSettings);
    EXPECT_EQ(pointer.calls.size(), 4u);
    EXPECT_EQ(ini.ReadString(Path(L"str0.ini"), L"Setting-EN", L"Item1"), state.store.text.labels[0]);

    const std::size_t afterFirst = mouse.Log().Lines().size();
    window.SaveToMouse();
    EXPECT_EQ(mouse.Log().Lines().size(), afterFirst) << "a second Save within 2 s is ignored";

    SendMessageW(hwnd, WM_TIMER, 3, 0);
    EXPECT_EQ(ClassCursor(hwnd), LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(hwnd, WM_TIMER, 1, 0);
    window.SaveToMouse();
    EXPECT_EQ(mouse.Log().Lines().size(), 2 * afterFirst);
}

TEST_F(MainWindowStore, SaveWithoutTheMouseSendsAndSavesNothing) {
    bus.Unplug();
    Open();
    const FileContents before = files.Read(Path(L"config0.bin"), 4096);
    window.SaveToMouse();
    EXPECT_TRUE(mouse.Log().Lines().empty());
    EXPECT_EQ(files.Read(Path(L"config0.bin"), 4096).bytes, before.bytes);
    EXPECT_TRUE(state.store.sync.saveBusy);
    EXPECT_NE(ClassCursor(hwnd), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_TRUE(pointer.calls.empty());
}

TEST_F(MainWindowStore, ResetKeepsTheMacrosAndTheProfileAndWritesTheFactorySettings) {
    WriteProfile(0, FactorySettings(0));
    Open();
    state.profileSettings.dpiLevel[0] = 99;
    state.profileSettings.macroSlots[0].fill(0x21);
    state.profileSettings.profile = 0;
    window.ResetToFactory();

    ProfileSettings expected = FactorySettings(0);
    expected.macroSlots[0].fill(0x21);
    EXPECT_EQ(state.profileSettings, expected);
    EXPECT_EQ(state.store.appliedSettings, expected);
    EXPECT_THAT(Outline(mouse.Log().Lines()), ElementsAreArray(FullWriteOutline(0, 1)));
    EXPECT_EQ(Stored(0), expected);
    EXPECT_EQ(ClassCursor(hwnd), LoadCursorW(nullptr, IDC_WAIT));
    SendMessageW(hwnd, WM_TIMER, 2, 0);
    EXPECT_EQ(ClassCursor(hwnd), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(MainWindowStore, CancelDropsTheEditsAndHidesTheWindow) {
    Open();
    ShowWindow(hwnd, SW_SHOW);
    const ProfileSettings applied = state.store.appliedSettings;
    state.profileSettings.dpiLevel[1] = 77;
    window.CancelEdits();
    EXPECT_EQ(state.profileSettings, applied);
    EXPECT_TRUE(state.store.sync.showReload);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(mouse.Log().Lines().empty());
}

TEST_F(MainWindowStore, TheIconShowsTheProfileFileAgainAfterCancel) {
    Open();
    state.profileSettings.dpiLevel[1] = 77;
    window.CancelEdits();
    ProfileSettings onDisk = FactorySettings(0);
    onDisk.dpiLevel[1] = 55;
    WriteProfile(0, onDisk);
    SendMessageW(hwnd, WM_TRAY_ICON, 0, WM_LBUTTONUP);
    EXPECT_EQ(state.profileSettings, onDisk);
    EXPECT_FALSE(state.store.sync.showReload);
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(MainWindowStore, ProfileFileRequestsImportExportAndReload) {
    Open();
    // 2: the profile manager made another profile current. Nothing goes to the mouse.
    ProfileSettings other = FactorySettings(1);
    other.reportRate = 8;
    WriteProfile(1, other);
    ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"ItemCount", L"2"));
    ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"Item1", L"Other"));
    ASSERT_TRUE(ini.WriteString(Path(L"str.ini"), L"Profile", L"CurProfileName", L"Other"));
    const ProfileSettings applied = state.store.appliedSettings;
    SendMessageW(hwnd, WM_PROFILE_FILE, 2, 0);
    EXPECT_EQ(state.profileSettings, other);
    EXPECT_EQ(state.store.appliedSettings, applied);
    EXPECT_TRUE(mouse.Log().Lines().empty());

    // 1: export to a file of the user's choice.
    dialogs.answer = Path(L"backup");
    SendMessageW(hwnd, WM_PROFILE_FILE, 1, 0);
    EXPECT_EQ(files.Read(Path(L"backup.bin"), 4096).bytes.size(), kConfigFileBytes);

    // 0: import it back as the current profile; other requests are ignored.
    state.profileSettings.reportRate = 2;
    dialogs.answer = Path(L"backup.bin");
    SendMessageW(hwnd, WM_PROFILE_FILE, 0, 0);
    EXPECT_EQ(state.profileSettings, other);
    SendMessageW(hwnd, WM_PROFILE_FILE, 7, 0);
    EXPECT_EQ(dialogs.proposed.size(), 2u);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(MainWindowStore, AnArrivalReloadsTheProfileFilesButNotTheAppliedCopy) {
    bus.Unplug();
    Open();
    const ProfileSettings applied = state.store.appliedSettings;
    ProfileSettings changed = FactorySettings(0);
    changed.angleSnap = 4;
    WriteProfile(0, changed);
    PlugTheMouseIn();

    EXPECT_TRUE(state.deviceLink.connected);
    EXPECT_EQ(state.profileSettings, changed);
    EXPECT_EQ(state.store.appliedSettings, applied);
}

// The main window driven by left-button presses at its regions, as a user's clicks arrive.
TEST_F(MainWindowPresses, SavePressWritesOnceWithinItsBusyPeriod) {
    Open();
    state.profileSettings.dpiLevel[0] = 20;
    Press(kSaveButton);
    EXPECT_THAT(Outline(mouse.Log().Lines()), ElementsAreArray(FullWriteOutline(0, 1)));
    EXPECT_EQ(Stored(0), state.profileSettings);
    const std::size_t afterFirst = mouse.Log().Lines().size();
    Press(kSaveButton);
    EXPECT_EQ(mouse.Log().Lines().size(), afterFirst) << "a second press within 2 s writes nothing";
}

TEST_F(MainWindowPresses, CancelPressRestoresAndHides) {
    Open();
    ShowWindow(hwnd, SW_SHOW);
    const ProfileSettings applied = state.store.appliedSettings;
    state.profileSettings.dpiLevel[1] = 77;
    Press(kCancelButton);
    EXPECT_EQ(state.profileSettings, applied);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(mouse.Log().Lines().empty());
}

TEST_F(MainWindowPresses, MinimisePressHidesWithoutWriting) {
    Open();
    ShowWindow(hwnd, SW_SHOW);
    Press(kMinimiseButton);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(mouse.Log().Lines().empty());
}

TEST_F(MainWindowPresses, HeaderPressesToggleTheirSectionsAndReshuffleTheHeadersBelow) {
    Open();
    const std::array<std::pair<Section, ClientRect>, 3> headers{{
        {Section::Sensitivity, {20, 175, 262, 195}},
        {Section::Dpi, {734, 32, 976, 52}},
        {Section::ButtonAssignment, {20, 107, 262, 127}},
    }};
    for (const auto& [section, header] : headers) {
        Press(header);
        EXPECT_TRUE(Expanded(section));
    }
    // With Button Assignment open the macro manager's header moved down: its old place is now
    // inside the body and toggles nothing.
    Press(20 + 1, 132 + 1);
    EXPECT_TRUE(Expanded(Section::ButtonAssignment));
    Press(headers[2].second);
    EXPECT_FALSE(Expanded(Section::ButtonAssignment));
    EXPECT_TRUE(Expanded(Section::Sensitivity));
}

TEST_F(MainWindowPresses, ViewButtonsAndScrollBarSwitchViews) {
    Open();
    Press(kSideViewButton);
    EXPECT_EQ(window.WindowState().mouseView, MouseView::Side);
    Press(kFrontViewButton);
    EXPECT_EQ(window.WindowState().mouseView, MouseView::Front);
    Press(kScrollBar.left + 1, kScrollBar.bottom - 2);
    EXPECT_EQ(window.WindowState().layout.rightView, RightPanelView::Bottom);
    Press(kScrollBar.left + 1, kScrollBar.top + 2);
    EXPECT_EQ(window.WindowState().layout.rightView, RightPanelView::Top);
}

TEST_F(MainWindowPresses, ResetPressWritesTheFactorySettingsAndCollapsesEverySection) {
    WriteProfile(0, FactorySettings(0));
    Open();
    Press(20 + 1, 107 + 1);  // Button Assignment
    Press(734 + 1, 32 + 1);  // DPI Setting
    Press(kSideViewButton);
    Press(kScrollBar.left + 1, kScrollBar.bottom - 2);
    state.profileSettings.dpiLevel[0] = 99;
    Press(kResetButton);

    EXPECT_EQ(state.profileSettings, FactorySettings(0)) << "the profile number is kept";
    EXPECT_THAT(Outline(mouse.Log().Lines()), ElementsAreArray(FullWriteOutline(0, 1)));
    const MainWindowState& after = window.WindowState();
    for (bool expanded : after.layout.expanded) EXPECT_FALSE(expanded);
    EXPECT_EQ(after.layout.rightView, RightPanelView::Top);
    EXPECT_EQ(after.mouseView, MouseView::Front);
    SendMessageW(hwnd, WM_TIMER, 2, 0);
}

TEST_F(MainWindowPresses, HoverSwapsFollowThePointerAndEndWhenItLeaves) {
    Open();
    const std::array<std::pair<ClientRect, HoverRegion>, 3> regions{{
        {kSaveButton, HoverRegion::Save},
        {kCloseButton, HoverRegion::Close},
        {kConfigButton, HoverRegion::Config},
    }};
    for (const auto& [rect, region] : regions) {
        SendMessageW(hwnd, WM_MOUSEHOVER, 0, MAKELPARAM(rect.left + 1, rect.top + 1));
        EXPECT_EQ(window.Hover().region, region);
    }
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(500, 300));
    EXPECT_EQ(window.Hover().region, HoverRegion::None) << "a move off every region restores the images";
    SendMessageW(hwnd, WM_MOUSEHOVER, 0, MAKELPARAM(kSaveButton.left + 1, kSaveButton.top + 1));
    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(window.Hover().region, HoverRegion::None);
}

TEST_F(MainWindowPresses, TheThumbSwitchesTheRightViewOnlyWithTwoSectionsExpanded) {
    Open();
    const HWND thumb = GetDlgItem(hwnd, kScrollThumbControlId);
    ASSERT_NE(thumb, nullptr);
    const auto view = [&] { return window.WindowState().layout.rightView; };
    Press(734 + 1, 32 + 1);  // DPI Setting
    SendMessageW(hwnd, WM_PANEL_SCROLL, 400, 0);
    EXPECT_EQ(view(), RightPanelView::Top) << "one expanded section";
    Press(LayOutMainWindow(window.WindowState().layout, CatalogueBodyHeights()).Of(Section::Lighting).header);
    ASSERT_TRUE(window.WindowState().layout.IsExpanded(Section::Lighting));
    SendMessageW(hwnd, WM_PANEL_SCROLL, 400, 1);
    EXPECT_EQ(view(), RightPanelView::Top) << "a message with another lParam";
    SendMessageW(hwnd, WM_PANEL_SCROLL, 400, 0);
    EXPECT_EQ(view(), RightPanelView::Bottom);
    MoveWindow(thumb, kScrollThumbTop.left, 400, kScrollThumbTop.Width(), kScrollThumbTop.Height(), FALSE);
    SendMessageW(hwnd, WM_PANEL_SCROLL, 100, 0);
    EXPECT_EQ(view(), RightPanelView::Top);
    RECT at{};
    GetWindowRect(thumb, &at);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&at), 2);
    EXPECT_EQ(at.top, kScrollThumbTop.top) << "the top view puts the thumb back";
}

}  // namespace
}  // namespace ravix::win
