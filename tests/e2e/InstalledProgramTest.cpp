// The program in the folder it was installed to (tools/test-installer.sh passes that folder): it
// starts with the simulated mouse and Save writes the profile beside it. Not part of the ordinary
// run, which would change the build's own dist/ folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "ProgramHarness.h"

namespace ravix::e2e {
namespace {

constexpr wchar_t kWindowClass[] = L"RK204-VelmarGMClass";
constexpr DWORD kTimeout = 15000;
constexpr UINT kTrayExit = 1028;

TEST(InstalledProgram, StartsWithTheSimulatedMouseAndSavesBesideItself) {
    const std::filesystem::path config = std::filesystem::path(DistFolder()) / L"config0.bin";
    std::filesystem::last_write_time(config, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    const auto before = std::filesystem::last_write_time(config);
    const std::wstring trace = FreshTempPath(L"ravix-installed-trace.txt");

    RunningProgram program(L"--simulate \"--trace=" + trace + L"\"");
    ASSERT_TRUE(program.Started());
    const HWND window = WaitForWindow(program, kWindowClass, kTimeout);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(924, 605));  // the Save button
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::last_write_time(config) > before; }, kTimeout))
        << "Save did not write config0.bin";
    EXPECT_EQ(std::filesystem::file_size(config), 1757u);

    PostMessageW(window, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kTimeout, exitCode));
    EXPECT_EQ(exitCode, 0u);
    DeleteFileW(trace.c_str());
}

}  // namespace
}  // namespace ravix::e2e
