// The main window's help button and its updater request, driven by real messages.
#include <gtest/gtest.h>

#include <filesystem>

#include "MainWindowFixture.h"
#include "core/editor/MainWindowLayout.h"
#include "win/app/Messages.h"

namespace ravix::win {
namespace {

using test_support::MainWindowPresses;

HWND HelpPanelOf(HWND main) {
    return FindWindowExW(main, nullptr, L"#32770", nullptr);
}

TEST_F(MainWindowPresses, HelpButtonTogglesThePanelAndAnyOtherPressClosesIt) {
    Open();
    Press(kHelpButton);
    EXPECT_TRUE(window.WindowState().helpWindowOpen);
    EXPECT_NE(HelpPanelOf(hwnd), nullptr);
    Press(kHelpButton);
    EXPECT_FALSE(window.WindowState().helpWindowOpen);
    EXPECT_EQ(HelpPanelOf(hwnd), nullptr);
    Press(kHelpButton);
    ASSERT_NE(HelpPanelOf(hwnd), nullptr);
    Press(300, 300);  // anywhere else: the panel closes and the press goes on
    EXPECT_EQ(HelpPanelOf(hwnd), nullptr);
    EXPECT_FALSE(window.WindowState().helpWindowOpen);
}

TEST_F(MainWindowPresses, RunUpdaterStartsTheUpdaterBesideTheProgramForWParamZeroOnly) {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    const std::filesystem::path updater =
        folder / L"Update" / (info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64 ? L"X64" : L"X86");
    std::filesystem::create_directories(updater);
    std::filesystem::copy_file(RAVIX_UPDATER_STAND_IN, updater / L"FwUpdate.exe");
    Open();
    EXPECT_EQ(SendMessageW(hwnd, WM_RUN_UPDATER, 1, 0), 0);
    Sleep(500);
    EXPECT_FALSE(std::filesystem::exists(updater / L"started.txt"));
    EXPECT_EQ(SendMessageW(hwnd, WM_RUN_UPDATER, 0, 0), 0);
    for (int i = 0; i < 200 && !std::filesystem::exists(updater / L"started.txt"); ++i) Sleep(50);
    EXPECT_TRUE(std::filesystem::exists(updater / L"started.txt"));
}

}  // namespace
}  // namespace ravix::win
