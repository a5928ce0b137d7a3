// The packaged program's start-up and lifecycle, observed from outside as another program would.
#include <gtest/gtest.h>

#include <cstdio>

#include "ProgramHarness.h"

namespace ravix::e2e {
namespace {

constexpr DWORD kStartTimeout = 15000;

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Started());
        window = WaitForWindow(program, kWindowClass, kStartTimeout);
        ASSERT_NE(window, nullptr) << "no visible window of class RK204-VelmarGMClass";
    }

    RunningProgram program;
    HWND window = nullptr;
};

TEST_F(Lifecycle, ShowsTheMainWindowWithItsTitle) {
    EXPECT_EQ(WindowText(window), L"Velmar Ravix Driver");
}

TEST_F(Lifecycle, SecondInstanceEndsAtOnceAndLeavesTheFirstAlone) {
    RECT before;
    GetWindowRect(window, &before);
    RunningProgram second;
    ASSERT_TRUE(second.Started());
    DWORD exitCode = 1;
    ASSERT_TRUE(second.WaitForExit(kStartTimeout, exitCode));
    EXPECT_EQ(exitCode, 0u);

    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WindowText(window), L"Velmar Ravix Driver");
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(FindWindowExW(nullptr, window, kWindowClass, nullptr), nullptr)
        << "a second main window exists";
}

TEST_F(Lifecycle, CloseOnlyHidesTheWindow) {
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));
    DWORD exitCode = 0;
    EXPECT_FALSE(program.WaitForExit(500, exitCode)) << "the process ended on WM_CLOSE";
}

TEST_F(Lifecycle, EnterAndEscapeDoNotEndTheDialog) {
    // Posted keys go through the modal loop, where a dialog would turn them into OK and Cancel.
    // WM_CLOSE queued behind them hides the window, which shows that the keys were handled first.
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, kStartTimeout));
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(Lifecycle, TrayExitEndsTheProcessWithCodeZero) {
    PostMessageW(window, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kStartTimeout, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace ravix::e2e

namespace ravix::e2e {
namespace {

// Width and height from a PNG file's header chunk (big-endian, bytes 16 to 23).
SIZE PngSize(const std::wstring& path) {
    SIZE size{0, 0};
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return size;
    unsigned char header[24] = {};
    if (fread(header, 1, sizeof(header), file) == sizeof(header)) {
        auto be32 = [&](int at) {
            return static_cast<LONG>(header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 |
                                     header[at + 3]);
        };
        size = {be32(16), be32(20)};
    }
    fclose(file);
    return size;
}

TEST_F(Lifecycle, TakesTheSizeOfTheSkinsMainPicture) {
    const SIZE picture = PngSize(DistFolder() + L"\\Skins\\Default\\main.png");
    ASSERT_GT(picture.cx, 0);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, picture.cx);
    EXPECT_EQ(client.bottom, picture.cy);
}

}  // namespace
}  // namespace ravix::e2e
