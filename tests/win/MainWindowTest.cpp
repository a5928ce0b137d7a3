// The main window created inside the test process, driven by real messages.
#include <gtest/gtest.h>

#include "MainWindowClass.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/app/Messages.h"
#include "win/app/VarnixDlg.h"
#include "win/device/WinClock.h"

namespace ravix::win {
namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test_support::RegisterMainWindowClassOnce());
        bus.Unplug();
        ASSERT_TRUE(window.Create());
        hwnd = window.GetSafeHwnd();
        test_support::FinishStartUp(hwnd);
    }
    void TearDown() override {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }

    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    WinClock clock;
    test_support::TestPorts ports{bus, clock};
    ProgramState state;
    CVarnixDlg window{state, ports.ports};
    HWND hwnd = nullptr;
};

TEST_F(MainWindow, HasItsClassTitleAndIcon) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    EXPECT_STREQ(className, L"RK204-VelmarGMClass");
    wchar_t title[64] = {};
    GetWindowTextW(hwnd, title, 64);
    EXPECT_STREQ(title, L"Velmar Ravix Driver");
    const LRESULT icon = SendMessageW(hwnd, WM_QUERYDRAGICON, 0, 0);
    EXPECT_NE(icon, 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), icon);
    EXPECT_EQ(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), icon);
}

TEST_F(MainWindow, CloseHidesAndKeepsTheWindow) {
    ShowWindow(hwnd, SW_SHOW);
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(MainWindow, SwallowsEnterAndEscapeOnly) {
    for (WPARAM key : {WPARAM{VK_RETURN}, WPARAM{VK_ESCAPE}}) {
        MSG msg{hwnd, WM_KEYDOWN, key, 0, 0, {}};
        EXPECT_TRUE(window.PreTranslateMessage(&msg));
    }
    MSG other{hwnd, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(window.PreTranslateMessage(&other));
    MSG keyUp{hwnd, WM_KEYUP, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(window.PreTranslateMessage(&keyUp));
}

}  // namespace
}  // namespace ravix::win
