// The main window's device link, created inside the test process over the simulated mouse and
// driven by real device-change broadcasts.
#include <gtest/gtest.h>

// These headers need the Windows types first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>
// clang-format on

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "MainWindowClass.h"
#include "core/device/DeviceChange.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/app/Messages.h"
#include "win/app/ProgramState.h"
#include "win/app/TrayIcon.h"
#include "win/app/VarnixDlg.h"
#include "win/device/HidInterfaceClass.h"
#include "win/device/WinClock.h"

namespace ravix::win {
namespace {

const std::string kAskProfile = "SET_FEATURE 00 82 00 00 00 00 00 00 7D";
const std::string kConnect = "SET_FEATURE 00 01 FC 00 00 00 00 00 02";

// The simulated bus, counting its searches.
class SearchCountingBus final : public HidBus {
public:
    explicit SearchCountingBus(SimulatedBus& inner) : m_inner(inner) {}
    int searches = 0;

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override {
        ++searches;
        return m_inner.PresentInterfaces();
    }
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override { return m_inner.OpenProbe(path); }
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override {
        return m_inner.OpenCommandChannel(path);
    }
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override {
        return m_inner.OpenEventChannel(path);
    }

private:
    SimulatedBus& m_inner;
};

// A device-interface broadcast as the system sends it: the header, then the interface name.
// `reach` cuts the broadcast's stated size to that many characters of the name.
class Broadcast {
public:
    explicit Broadcast(const std::wstring& name, DWORD deviceType = DBT_DEVTYP_DEVICEINTERFACE,
                       std::optional<std::size_t> reach = std::nullopt)
        : m_storage((sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + (name.size() + 1) * sizeof(wchar_t)) / 8 + 1) {
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(m_storage.data());
        const std::size_t characters = reach.value_or(name.size() + 1);
        broadcast->dbcc_size = static_cast<DWORD>(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) +
                                                  characters * sizeof(wchar_t));
        broadcast->dbcc_devicetype = deviceType;
        broadcast->dbcc_classguid = kHidInterfaceClass;
        std::memcpy(broadcast->dbcc_name, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    }

    LPARAM Param() { return reinterpret_cast<LPARAM>(m_storage.data()); }

private:
    std::vector<std::uint64_t> m_storage;
};

// A WM_DEVICE_EVENT the window sent itself, and whether the window was still shown then.
struct Notice {
    WPARAM code;
    LPARAM value;
    bool shown;
    bool operator==(const Notice&) const = default;
};

class MainWindowDevice : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(test_support::RegisterMainWindowClassOnce()); }
    void TearDown() override {
        if (hwnd && IsWindow(hwnd)) {
            RemoveWindowSubclass(hwnd, &RecordNotices, 0);
            DestroyWindow(hwnd);
        }
    }

    void Open() {
        ASSERT_TRUE(window.Create());
        hwnd = window.GetSafeHwnd();
        SetWindowSubclass(hwnd, &RecordNotices, 0, reinterpret_cast<DWORD_PTR>(this));
        test_support::FinishStartUp(hwnd);
    }

    // One broadcast, answered at once instead of after the short while the window gathers
    // broadcasts for.
    LRESULT Send(WPARAM event, Broadcast& broadcast) {
        const LRESULT result = SendMessageW(hwnd, WM_DEVICECHANGE, event, broadcast.Param());
        SendMessageW(hwnd, WM_SETTLE_DEVICE_CHANGES, 0, 0);
        return result;
    }

    const std::vector<std::string>& Log() { return mouse.Log().Lines(); }

    static LRESULT CALLBACK RecordNotices(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
        if (message == WM_DEVICE_EVENT)
            reinterpret_cast<MainWindowDevice*>(self)->notices.push_back(
                {wParam, lParam, IsWindowVisible(hwnd) != 0});
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    SimulatedMouse mouse;
    SimulatedBus simulated{mouse};
    SearchCountingBus bus{simulated};
    WinClock clock;
    test_support::TestPorts ports{bus, clock};
    ProgramState state;
    CVarnixDlg window{state, ports.ports};
    HWND hwnd = nullptr;
    std::vector<Notice> notices;
};

TEST_F(MainWindowDevice, ConnectsToTheMouseAtStartUp) {
    mouse.SetCurrentProfile(3);
    Open();

    EXPECT_TRUE(state.deviceLink.connected);
    EXPECT_EQ(state.eventWindow, hwnd);
    ASSERT_EQ(Log().size(), 3u);
    EXPECT_EQ(Log()[0], kAskProfile);
    EXPECT_EQ(Log()[1].rfind("GET_FEATURE 00 82 03 ", 0), 0u) << Log()[1];
    EXPECT_EQ(Log()[2], kConnect);
    EXPECT_EQ(state.deviceImage.header.currentProfile, 3);
    EXPECT_EQ(state.deviceImage.header.connectByte, 0xFC);
    EXPECT_EQ(state.profileSettings.profile, 3) << "a profile without a file takes the mouse's number";
    EXPECT_EQ(state.store.appliedSettings, state.profileSettings);
    EXPECT_NE(state.deviceLink.eventHandle, nullptr)
        << "the event interface is listed before the command interface";
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_TRUE(notices.empty());
}

TEST_F(MainWindowDevice, StartsWithoutTheMouseQuietly) {
    simulated.Unplug();
    state.deviceLink.connected = true;  // whatever it was, a failed search clears it
    Open();

    EXPECT_FALSE(state.deviceLink.connected);
    EXPECT_TRUE(Log().empty());
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(MainWindowDevice, DestroyingTheWindowClosesTheMousesHandles) {
    Open();
    ASSERT_NE(state.deviceLink.commandHandle, nullptr);
    ASSERT_NE(state.deviceLink.eventHandle, nullptr);
    RemoveWindowSubclass(hwnd, &RecordNotices, 0);
    DestroyWindow(hwnd);

    EXPECT_EQ(state.deviceLink.commandHandle, nullptr);
    EXPECT_EQ(state.deviceLink.eventHandle, nullptr);
    EXPECT_FALSE(state.deviceLink.connected);
}

// Each case starts connected with the window shown, then the mouse is plugged or not and one
// broadcast arrives.
struct BroadcastCase {
    const char* what;
    WPARAM event;
    std::wstring name;
    DWORD deviceType;
    std::optional<std::size_t> reach;
    bool plugged;
    // What the window does.
    bool searches;
    std::vector<WPARAM> notices;
    bool shown;
    bool connected;
    bool reconnects;
};

const std::wstring kCommandPath = SimulatedBus::PathOf(SimulatedInterface::Command);
const std::wstring kMixedCasePath =
    L"\\\\?\\HID#Vid_04d9&Pid_a0f4&Col02#7&1f2e3d4c&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const std::wstring kLowerCasePath =
    L"\\\\?\\hid#vid_04d9&pid_a0f4&col03#7&1f2e3d4c&0&0002#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const std::wstring kOtherDevicePath =
    L"\\\\?\\HID#VID_046D&PID_C077#7&2a3b4c5d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr WPARAM kDetected = kMouseDetectedEvent;
constexpr WPARAM kNotDetected = kMouseNotDetectedEvent;

const BroadcastCase kBroadcastCases[] = {
    {"arrival found",
     DBT_DEVICEARRIVAL,
     kCommandPath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     true,
     true,
     {kDetected},
     true,
     true,
     true},
    {"arrival under the other marker",
     DBT_DEVICEARRIVAL,
     kMixedCasePath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     true,
     true,
     {kDetected},
     true,
     true,
     true},
    {"arrival not found",
     DBT_DEVICEARRIVAL,
     kCommandPath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     false,
     true,
     {kNotDetected},
     false,
     false,
     false},
    {"removal, command interface left",
     DBT_DEVICEREMOVECOMPLETE,
     kCommandPath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     true,
     true,
     {},
     true,
     true,
     false},
    {"removal, mouse gone",
     DBT_DEVICEREMOVECOMPLETE,
     kCommandPath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     false,
     true,
     {kNotDetected},
     true,
     false,
     false},
    {"lower-case identifiers",
     DBT_DEVICEARRIVAL,
     kLowerCasePath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     false,
     false,
     {},
     true,
     true,
     false},
    {"another device",
     DBT_DEVICEREMOVECOMPLETE,
     kOtherDevicePath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     false,
     false,
     {},
     true,
     true,
     false},
    {"not an interface broadcast",
     DBT_DEVICEARRIVAL,
     kCommandPath,
     DBT_DEVTYP_HANDLE,
     {},
     false,
     false,
     {},
     true,
     true,
     false},
    {"query remove",
     DBT_DEVICEQUERYREMOVE,
     kCommandPath,
     DBT_DEVTYP_DEVICEINTERFACE,
     {},
     false,
     false,
     {},
     true,
     true,
     false},
    {"marker beyond the broadcast's size",
     DBT_DEVICEARRIVAL,
     kCommandPath,
     DBT_DEVTYP_DEVICEINTERFACE,
     std::size_t{12},
     false,
     false,
     {},
     true,
     true,
     false},
};

TEST_F(MainWindowDevice, AnswersEachBroadcastAsItsKindAndTheSearchDecide) {
    Open();
    for (const BroadcastCase& test : kBroadcastCases) {
        SCOPED_TRACE(test.what);
        simulated.Plug();
        ShowWindow(hwnd, SW_SHOW);
        Broadcast arrival(kCommandPath);
        Send(DBT_DEVICEARRIVAL, arrival);
        ASSERT_TRUE(state.deviceLink.connected);
        if (!test.plugged) simulated.Unplug();
        notices.clear();
        mouse.Log().Clear();
        const int searchesBefore = bus.searches;

        Broadcast broadcast(test.name, test.deviceType, test.reach);
        EXPECT_EQ(Send(test.event, broadcast), TRUE);

        EXPECT_EQ(bus.searches - searchesBefore, test.searches ? 1 : 0);
        std::vector<WPARAM> codes;
        for (const Notice& notice : notices) {
            codes.push_back(notice.code);
            EXPECT_EQ(notice.value, 0);
            EXPECT_TRUE(notice.shown) << "the notice goes out before the window hides";
        }
        EXPECT_EQ(codes, test.notices);
        EXPECT_EQ(IsWindowVisible(hwnd) != 0, test.shown);
        EXPECT_EQ(state.deviceLink.connected.load(), test.connected);
        if (test.reconnects) {
            ASSERT_EQ(Log().size(), 3u);
            EXPECT_EQ(Log()[0], kAskProfile);
            EXPECT_EQ(Log()[2], kConnect);
        } else {
            EXPECT_TRUE(Log().empty());
        }
    }
}

TEST_F(MainWindowDevice, IgnoresChangesWithoutABroadcast) {
    Open();
    const int searchesBefore = bus.searches;
    EXPECT_EQ(SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0), TRUE);
    EXPECT_EQ(bus.searches, searchesBefore);
    EXPECT_TRUE(state.deviceLink.connected);
}

TEST_F(MainWindowDevice, AnArrivalReadsTheMousesProfileAfresh) {
    Open();
    mouse.SetCurrentProfile(5);
    Broadcast arrival(kCommandPath);
    Send(DBT_DEVICEARRIVAL, arrival);

    EXPECT_EQ(state.deviceImage.header.currentProfile, 5);
    EXPECT_EQ(state.profileSettings.profile, 5);
    EXPECT_EQ(state.deviceImage.header.connectByte, 0xFC);
}

// Serves the window's messages (the listener sends its events to it) until `done` holds. The
// limit only keeps a broken listener from hanging the test run.
template <class Condition>
bool PumpUntil(Condition done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 10000) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return true;
}

bool SendSimulationCommand(HWND hwnd, const std::string& command) {
    COPYDATASTRUCT data{kSimulationCommandData, static_cast<DWORD>(command.size()),
                        const_cast<char*>(command.data())};
    return SendMessageW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == TRUE;
}

TEST_F(MainWindowDevice, BroadcastsOfOnePlugInAreAnsweredOnce) {
    simulated.Unplug();
    Open();
    simulated.Plug();
    const int searchesBefore = bus.searches;
    for (SimulatedInterface which :
         {SimulatedInterface::Pointer, SimulatedInterface::Event, SimulatedInterface::Command}) {
        Broadcast arrival(SimulatedBus::PathOf(which));
        SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, arrival.Param());
    }
    EXPECT_EQ(bus.searches, searchesBefore) << "nothing is searched while broadcasts still come";
    SendMessageW(hwnd, WM_SETTLE_DEVICE_CHANGES, 0, 0);

    EXPECT_EQ(bus.searches, searchesBefore + 1);
    ASSERT_EQ(window.Notices().size(), 1u);
    EXPECT_EQ(window.Notices()[0], (ravix::Notice{L"The system detect the gaming mouse.", L"Info", 100}));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), kConnect), 1);
}

TEST_F(MainWindowDevice, TheMousesButtonsReachTheWindowAsNotices) {
    ports.ports.simulatedMouse = &mouse;
    ports.ports.simulatedBus = &simulated;
    Open();
    ASSERT_TRUE(state.deviceLink.connected);
    mouse.Log().Clear();

    ASSERT_TRUE(SendSimulationCommand(hwnd, "dpi"));
    ASSERT_TRUE(PumpUntil([&] { return window.Notices().size() == 1; }));
    // Stage 2 of profile 0 holds 32 units.
    EXPECT_EQ(window.Notices()[0], (ravix::Notice{L"Switch DPI into the second stage 1600", L"Info", 5000}));
    ASSERT_GE(Log().size(), 2u);
    EXPECT_EQ(Log()[0], kAskProfile);
    EXPECT_EQ(Log()[2].rfind("SET_FEATURE 00 8C ", 0), 0u) << Log()[2];

    ASSERT_TRUE(SendSimulationCommand(hwnd, std::string("macro 3\0", 8)));
    ASSERT_TRUE(PumpUntil([&] { return window.Notices().size() == 2; }));
    EXPECT_EQ(window.Notices()[1].text, L"Switch to macro key3");
}

// Quick re-plugs through the simulated mouse's commands, each burst answered as the settling timer
// does: by the state the last change left.
TEST_F(MainWindowDevice, AQuickRePlugIsAnsweredByItsFinalState) {
    ports.ports.simulatedMouse = &mouse;
    ports.ports.simulatedBus = &simulated;
    Open();
    ASSERT_TRUE(state.deviceLink.connected);
    struct Case {
        const char* what;
        std::vector<std::string> commands;
        WPARAM notice;
        bool shown, connected;
    } cases[] = {
        {"unplug, plug, unplug: a removal", {"unplug", "plug", "unplug"}, kNotDetected, true, false},
        {"plug, unplug, plug: the mouse is back", {"plug", "unplug", "plug"}, kDetected, true, true},
        {"unplug, plug: the mouse is back", {"unplug", "plug"}, kDetected, true, true},
    };
    for (const Case& c : cases) {
        ShowWindow(hwnd, SW_SHOW);
        notices.clear();
        mouse.Log().Clear();
        for (const std::string& command : c.commands) ASSERT_TRUE(SendSimulationCommand(hwnd, command));
        EXPECT_TRUE(notices.empty()) << c.what << ": nothing is answered while broadcasts still come";
        SendMessageW(hwnd, WM_SETTLE_DEVICE_CHANGES, 0, 0);
        ASSERT_EQ(notices.size(), 1u) << c.what;
        EXPECT_EQ(notices[0].code, c.notice) << c.what;
        EXPECT_EQ(IsWindowVisible(hwnd) != 0, c.shown) << c.what;
        EXPECT_EQ(state.deviceLink.connected, c.connected) << c.what;
        EXPECT_EQ(std::count(Log().begin(), Log().end(), kConnect), c.connected ? 1 : 0) << c.what;
    }
}

// Re-plugs 100 ms apart for two seconds: the window answers within about a second of the first
// broadcast instead of waiting for them to stop.
TEST_F(MainWindowDevice, AStreamOfBroadcastsIsAnsweredWithinASecond) {
    ports.ports.simulatedMouse = &mouse;
    ports.ports.simulatedBus = &simulated;
    Open();
    const int before = bus.searches;
    const DWORD start = GetTickCount();
    DWORD answered = 0;
    for (int i = 0; i < 20 && answered == 0; ++i) {
        ASSERT_TRUE(SendSimulationCommand(hwnd, i % 2 == 0 ? "unplug" : "plug"));
        const DWORD step = GetTickCount();
        PumpUntil([&] { return bus.searches > before || GetTickCount() - step >= 100; });
        if (bus.searches > before) answered = GetTickCount();
    }
    ASSERT_NE(answered, 0u) << "no answer while the broadcasts kept coming";
    EXPECT_LE(answered - start, 1400u);
    EXPECT_EQ(bus.searches, before + 1);
}

TEST_F(MainWindowDevice, SimulationCommandsNeedTheSimulatedMouseAndAKnownCommand) {
    Open();
    EXPECT_FALSE(SendSimulationCommand(hwnd, "dpi")) << "not started with --simulate";
    ports.ports.simulatedMouse = &mouse;
    ports.ports.simulatedBus = &simulated;
    for (const char* command : {"", "DPI", "macro", "macro 0", "macro 256", "macro 3x", "plug me"})
        EXPECT_FALSE(SendSimulationCommand(hwnd, command)) << command;
    COPYDATASTRUCT otherSender{0x1234, 3, const_cast<char*>("dpi")};
    EXPECT_FALSE(SendMessageW(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&otherSender)));
}

TEST_F(MainWindowDevice, UnplugThenPlugShowsOneNoticeEachAndConnectsOnce) {
    ports.ports.simulatedMouse = &mouse;
    ports.ports.simulatedBus = &simulated;
    Open();
    mouse.Log().Clear();
    ASSERT_TRUE(SendSimulationCommand(hwnd, "unplug"));
    ASSERT_TRUE(PumpUntil([&] { return window.Notices().size() == 1; }));
    EXPECT_FALSE(state.deviceLink.connected);
    ASSERT_TRUE(SendSimulationCommand(hwnd, "plug"));
    ASSERT_TRUE(PumpUntil([&] { return window.Notices().size() == 2; }));
    EXPECT_TRUE(state.deviceLink.connected);
    EXPECT_EQ(window.Notices()[0].text, L"The system did not detect the gaming mouse!");
    EXPECT_EQ(window.Notices()[0].title, L"Warning");
    EXPECT_EQ(window.Notices()[1].text, L"The system detect the gaming mouse.");
    EXPECT_EQ(std::count(Log().begin(), Log().end(), kConnect), 1);

    // The listener hears the mouse's buttons again.
    ASSERT_TRUE(SendSimulationCommand(hwnd, "macro 7"));
    ASSERT_TRUE(PumpUntil([&] { return window.Notices().size() == 3; }));
    EXPECT_EQ(window.Notices()[2].text, L"Switch to macro key7");
}

TEST_F(MainWindowDevice, TheTrayIconCarriesTheTipAndComesBackOnlyWithTheMouse) {
    simulated.Unplug();
    Open();
    const NOTIFYICONDATAW& record = window.TrayIcon().Record();
    EXPECT_TRUE(window.TrayIcon().Added());
    EXPECT_STREQ(record.szTip, L"Velmar Ravix");
    EXPECT_EQ(record.uCallbackMessage, WM_TRAY_ICON);
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));

    ShowWindow(hwnd, SW_HIDE);
    SendMessageW(hwnd, WM_TRAY_ICON, CTrayIcon::kIdentifier, WM_LBUTTONUP);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    ASSERT_EQ(window.Notices().size(), 1u);
    EXPECT_EQ(window.Notices()[0].title, L"Warning");
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO));
    EXPECT_STREQ(record.szInfo, L"The system did not detect the gaming mouse!");
    EXPECT_EQ(record.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));

    // Other mouse messages over the icon do nothing.
    for (LPARAM other : {LPARAM{WM_MOUSEMOVE}, LPARAM{WM_LBUTTONDOWN}, LPARAM{WM_MBUTTONDBLCLK}})
        SendMessageW(hwnd, WM_TRAY_ICON, CTrayIcon::kIdentifier, other);
    EXPECT_EQ(window.Notices().size(), 1u);

    simulated.Plug();
    Broadcast arrival(kCommandPath);
    Send(DBT_DEVICEARRIVAL, arrival);
    SendMessageW(hwnd, WM_TRAY_ICON, CTrayIcon::kIdentifier, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwnd));

    RemoveWindowSubclass(hwnd, &RecordNotices, 0);
    DestroyWindow(hwnd);
    EXPECT_FALSE(window.TrayIcon().Added());
}

}  // namespace
}  // namespace ravix::win
