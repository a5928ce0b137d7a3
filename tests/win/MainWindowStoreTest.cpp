// The main window's configuration store, created inside the test process over the simulated mouse
// and a folder of profile files: start-up, the profile manager's requests, Save, Reset and Cancel.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
// These headers need the Windows types first.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <filesystem>

#include "MainWindowClass.h"
#include "core/device/TransferTrace.h"
#include "core/platform/BinaryFiles.h"
#include "core/store/FactoryFiles.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeNotifier.h"
#include "tests/fakes/FakePointerSettings.h"
#include "tests/fakes/ScriptedFileDialogs.h"
#include "core/editor/ButtonBoxes.h"
#include "tests/fakes/TransferOutline.h"
#include "win/app/Messages.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/device/HidInterfaceClass.h"
#include "win/platform/WinIniFile.h"

namespace ravix::win {
namespace {

using ::testing::ElementsAreArray;
using testing_support::FullWriteOutline;
using testing_support::Outline;

HCURSOR ClassCursor(HWND window) {
    return reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR));
}

class MainWindowStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test_support::RegisterMainWindowClassOnce());
        folder = std::filesystem::temp_directory_path() / L"ravix-store";
        folder += std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
        std::filesystem::create_directories(folder);
        std::wstring failed;
        int error = 0;
        ASSERT_TRUE(WriteFactoryFiles(folder.wstring(), files, failed, error));
        state.hidBus = &bus;
        state.clock = &clock;
        state.store.ports = {
            Path(L"Velmar Ravix Driver.exe"), nullptr, nullptr, &notifier, &pointer, &dialogs};
    }
    void TearDown() override {
        if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void Open() {
        ASSERT_TRUE(window.Create());
        hwnd = window.GetSafeHwnd();
        mouse.Log().Clear();
        // The class cursor is shared by every window of the class, so an earlier test may have
        // left the wait cursor.
        SetClassLongPtrW(hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_ARROW)));
    }

    std::wstring Path(const std::wstring& name) const { return folder.wstring() + L"\\" + name; }

    // The mouse arrives: the bus finds it and the window hears of it as the system tells it.
    void PlugTheMouseIn() {
        bus.Plug();
        const std::wstring name = SimulatedBus::PathOf(SimulatedInterface::Command);
        std::vector<std::uint64_t> storage((sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + name.size() * 2) / 8 + 2);
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
        broadcast->dbcc_size = static_cast<DWORD>(sizeof(*broadcast) + name.size() * sizeof(wchar_t));
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        broadcast->dbcc_classguid = kHidInterfaceClass;
        std::copy(name.begin(), name.end(), broadcast->dbcc_name);
        SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(broadcast));
        SendMessageW(hwnd, WM_SETTLE_DEVICE_CHANGES, 0, 0);  // as the settling timer does
    }

    void WriteProfile(int index, const ProfileSettings& settings, std::uint8_t firstRun = 1) {
        const ConfigFileBytes bytes = ConfigFileBytesOf(settings, firstRun);
        ASSERT_EQ(files.Replace(Path(L"config" + std::to_wstring(index) + L".bin"), bytes), 0);
    }

    ProfileSettings Stored(int index) {
        const FileContents contents = files.Read(Path(L"config" + std::to_wstring(index) + L".bin"), 4096);
        ProfileSettings settings{};
        EXPECT_EQ(contents.bytes.size(), kConfigFileBytes);
        if (contents.bytes.size() == kConfigFileBytes)
            std::copy(contents.bytes.begin() + 1, contents.bytes.end(), BytesOf(settings).begin());
        return settings;
    }

    std::filesystem::path folder;
    PortableBinaryFiles files;
    WinIniFile ini;
    FakeNotifier notifier;
    FakePointerSettings pointer;
    ScriptedFileDialogs dialogs;
    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    testing_support::FakeClock fakeClock;
    TracingClock clock{fakeClock, mouse.Log()};
    ProgramState state;
    CVarnixDlg window{state};
    HWND hwnd = nullptr;
};

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
class MainWindowPresses : public MainWindowStore {
protected:
    void Press(ClientRect region) { Press(region.left + 1, region.top + 1); }
    void Press(int x, int y) { SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    bool Expanded(Section section) const { return window.WindowState().layout.IsExpanded(section); }
};

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

// The Button Assignment page's lists, opened by presses on the boxes and driven by the pointer
// moving over them and clicking an entry, as the list boxes see it.
class ButtonAssignmentPage : public MainWindowPresses {
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

TEST_F(ButtonAssignmentPage, MultimediaChoicesOfButtonSevenReachItsSlotWithSave) {
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

TEST_F(ButtonAssignmentPage, HoveringMovesBetweenSecondLevelListsAndPlainEntriesCloseThem) {
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

TEST_F(ButtonAssignmentPage, TheLastLeftClickIsRefusedUntilAnotherButtonClicks) {
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

TEST_F(ButtonAssignmentPage, ListsCloseOnAnOutsidePressOnTheSameBoxAndWithTheSection) {
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

TEST_F(ButtonAssignmentPage, AProfileNeverSavedGetsTheDefaultLabelsWhenTheMouseIsThere) {
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

TEST_F(ButtonAssignmentPage, ShowingTheWindowAgainAfterCancelClosesTheLists) {
    OpenPage();
    Press(ButtonBoxRect(5));
    ASSERT_NE(List(45), nullptr);
    Press(kCancelButton);
    SendMessageW(hwnd, WM_TRAY_ICON, 0, WM_LBUTTONUP);
    EXPECT_EQ(List(45), nullptr);
    EXPECT_FALSE(window.WindowState().openButtonList);
}

TEST_F(ButtonAssignmentPage, PagesLeftEmptyAtStartUpAreFilledWhenTheIconShowsTheWindow) {
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

}  // namespace
}  // namespace ravix::win
