// The packaged program's device link: the simulated mouse of --simulate, the transfer log of
// --trace=FILE, and the machine's own HID bus without them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ProgramHarness.h"

namespace ravix::e2e {
namespace {

constexpr DWORD kStartTimeout = 15000;

// A fresh file in the temporary folder, removed again at the end of the test.
class TraceFile {
public:
    explicit TraceFile(const wchar_t* name) {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        m_path = std::wstring(folder) + name;
        DeleteFileW(m_path.c_str());
    }
    ~TraceFile() { DeleteFileW(m_path.c_str()); }

    const std::wstring& Path() const { return m_path; }
    std::wstring Switch() const { return L"\"--trace=" + m_path + L"\""; }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::ifstream file(m_path.c_str(), std::ios::binary);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    bool Exists() const { return GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    std::wstring m_path;
};

TEST(ProgramDeviceLink, SimulatedMouseConnectsAndTheTraceFileGetsTheConnectSequenceAppended) {
    TraceFile trace(L"ravix-e2e-simulated.txt");
    std::ofstream(trace.Path().c_str(), std::ios::binary) << "EARLIER RUN\n";

    RunningProgram program(L"--simulate " + trace.Switch());
    ASSERT_TRUE(program.Started());
    const HWND window = WaitForWindow(program, kWindowClass, kStartTimeout);
    ASSERT_NE(window, nullptr);
    WaitUntil([&] { return trace.Lines().size() >= 4; }, kStartTimeout);
    const std::vector<std::string> expected{
        "EARLIER RUN",
        "SET_FEATURE 00 82 00 00 00 00 00 00 7D",
        "GET_FEATURE 00 82 00 00 00 00 00 00 7D",
        "SET_FEATURE 00 01 FC 00 00 00 00 00 02",
    };
    EXPECT_EQ(trace.Lines(), expected);

    // Leaving through the tray closes the mouse's handles and ends the process cleanly.
    PostMessageW(window, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kStartTimeout, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(trace.Lines(), expected);
}

TEST(ProgramDeviceLink, WithoutSimulateTheMachinesBusFindsNoMouseAndNothingIsSent) {
    TraceFile trace(L"ravix-e2e-real-bus.txt");
    RunningProgram program(trace.Switch());
    ASSERT_TRUE(program.Started());
    ASSERT_NE(WaitForWindow(program, kWindowClass, kStartTimeout), nullptr);

    EXPECT_TRUE(trace.Exists());
    EXPECT_TRUE(trace.Lines().empty());
}

}  // namespace
}  // namespace ravix::e2e
