// The packaged program's notices for the simulated mouse, driven as a test driver would: commands
// through WM_COPYDATA, the transfers read from --trace=FILE and the notices from --notices=FILE.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "ProgramHarness.h"

namespace ravix::e2e {
namespace {

constexpr DWORD kTimeout = 15000;
constexpr UINT kTrayIconMessage = 0x401;

class TempFile {
public:
    explicit TempFile(const wchar_t* name) {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + name;
        DeleteFileW(m_path.c_str());
    }
    ~TempFile() { DeleteFileW(m_path.c_str()); }
    const std::wstring& Path() const { return m_path; }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::ifstream file(m_path.c_str(), std::ios::binary);
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }

private:
    std::wstring m_path;
};

std::size_t CountStarting(const std::vector<std::string>& lines, const std::string& start) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

TEST(ProgramNotices, TheSimulatedMousesEventsAndConnectionShowAsNotices) {
    TempFile trace(L"ravix-e2e-notice-trace.txt");
    TempFile notices(L"ravix-e2e-notices.txt");
    RunningProgram program(L"--simulate \"--trace=" + trace.Path() + L"\" \"--notices=" + notices.Path() + L"\"");
    ASSERT_TRUE(program.Started());
    const HWND window = WaitForWindow(program, kWindowClass, kTimeout);
    ASSERT_NE(window, nullptr);
    const auto noticesReach = [&](std::size_t count) {
        return WaitUntil([&] { return notices.Lines().size() >= count; }, kTimeout);
    };

    // The window shows before the search for the mouse; the connection follows.
    ASSERT_TRUE(WaitUntil([&] { return CountStarting(trace.Lines(), "SET_FEATURE 00 01 FC") == 1; }, kTimeout));

    // The DPI button: the mouse's profile and block are read, then the stage is named.
    const std::size_t tracedBefore = trace.Lines().size();
    ASSERT_TRUE(SimulationCommand(window, "dpi"));
    ASSERT_TRUE(noticesReach(1));
    EXPECT_EQ(notices.Lines()[0], "Info\t5000\tSwitch DPI into the second stage 1600");
    std::vector<std::string> traced = trace.Lines();
    traced.erase(traced.begin(), traced.begin() + static_cast<std::ptrdiff_t>(tracedBefore));
    ASSERT_GE(traced.size(), 3u);
    EXPECT_EQ(traced[0], "SET_FEATURE 00 82 00 00 00 00 00 00 7D");
    EXPECT_EQ(traced[2].rfind("SET_FEATURE 00 8C ", 0), 0u) << traced[2];

    // Unplugged: one notice; a click on the icon repeats it and leaves the hidden window hidden.
    ASSERT_TRUE(SimulationCommand(window, "unplug"));
    ASSERT_TRUE(noticesReach(2));
    SendMessageW(window, WM_CLOSE, 0, 0);
    SendMessageW(window, kTrayIconMessage, 1, WM_LBUTTONUP);
    ASSERT_TRUE(noticesReach(3));
    EXPECT_FALSE(IsWindowVisible(window));

    // Plugged in again: one notice and one connection, however many collections announced it.
    ASSERT_TRUE(SimulationCommand(window, "plug"));
    ASSERT_TRUE(noticesReach(4));
    const auto connections = [&] { return CountStarting(trace.Lines(), "SET_FEATURE 00 01 FC"); };
    ASSERT_TRUE(WaitUntil([&] { return connections() >= 2; }, kTimeout));
    const std::vector<std::string> shown = notices.Lines();
    const std::vector<std::string> expected{
        "Info\t5000\tSwitch DPI into the second stage 1600",
        "Warning\t100\tThe system did not detect the gaming mouse!",
        "Warning\t100\tThe system did not detect the gaming mouse!",
        "Info\t100\tThe system detect the gaming mouse.",
    };
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(connections(), 2u) << "start-up and the plug-in";

    PostMessageW(window, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kTimeout, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace ravix::e2e
