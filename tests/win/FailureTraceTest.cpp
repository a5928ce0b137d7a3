// Adapters whose system call fails note the call and the system's error in the trace they were
// given, and still answer their callers with the port's plain result.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/device/TransferTrace.h"
#include "core/platform/IniFile.h"
#include "win/app/ProgramWiring.h"
#include "win/device/WinHidBus.h"
#include "win/platform/FailureTrace.h"
#include "win/platform/WinIniFile.h"

namespace ravix::win {
namespace {

std::wstring TempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"ravix-failure-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

// The error the system gives for opening `path` as the bus does.
DWORD OpenError(const std::wstring& path) {
    const UniqueHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                        nullptr));
    return file ? ERROR_SUCCESS : GetLastError();
}

TEST(FailureTrace, ALineNamesTheCallItsErrorAndWhatItWasAbout) {
    EXPECT_EQ(FailureLine("CreateFileW", 2, L"C:\\x\\\u00e9.ini"), "ERROR CreateFileW 2 C:\\x\\\xc3\xa9.ini");
    EXPECT_EQ(FailureLine("HidD_SetFeature", 31, L""), "ERROR HidD_SetFeature 31");
    FailureTrace().Failed("CreateFileW", 2);  // no trace: nothing to note, no fault
}

TEST(FailureTrace, TheBusNotesAnInterfaceItCannotOpen) {
    const std::wstring path = L"\\\\?\\hid#vid_04d9&pid_a0f4#no-such-interface";
    const DWORD expected = OpenError(path);
    ASSERT_NE(expected, static_cast<DWORD>(ERROR_SUCCESS));
    TransferLog log;
    WinHidBus bus(&log);
    EXPECT_EQ(bus.OpenProbe(path), nullptr);
    EXPECT_EQ(bus.OpenCommandChannel(path), nullptr);
    const std::string line = FailureLine("CreateFileW", expected, path);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{line, line}));
}

TEST(FailureTrace, AChannelOverAHandleThatIsNoMouseNotesEachFailedTransfer) {
    // A file opened for reading only: no HID requests, and writes are refused.
    const std::wstring path = TempPath(L"not-a-mouse.bin");
    {
        const UniqueHandle created(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(created);
    }
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OVERLAPPED, nullptr));
    ASSERT_TRUE(file);
    TransferLog log;
    WinCommandChannel channel(std::move(file), UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
                              FailureTrace(&log));
    std::uint8_t report[9] = {};
    EXPECT_FALSE(channel.SetFeature(report));
    EXPECT_FALSE(channel.WriteReport(report));
    ASSERT_EQ(log.Lines().size(), 2u);
    EXPECT_EQ(log.Lines()[0].rfind("ERROR HidD_SetFeature ", 0), 0u) << log.Lines()[0];
    EXPECT_EQ(log.Lines()[1], FailureLine("WriteFile", ERROR_ACCESS_DENIED, L""));
    DeleteFileW(path.c_str());
}

TEST(FailureTrace, AnIniChangeThatCannotBeWrittenIsNotedAndRefused) {
    const std::wstring path = TempPath(L"no-such-folder\\str0.ini");
    TransferLog log;
    WinIniFile ini(&log);
    EXPECT_FALSE(ini.WriteString(path, L"Skins", L"Lan", L"EN"));
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_EQ(log.Lines()[0].rfind("ERROR ReplaceFileAtomically ", 0), 0u) << log.Lines()[0];
    EXPECT_NE(log.Lines()[0].find("str0.ini.writing"), std::string::npos) << log.Lines()[0];
}

// With --trace=FILE the program's own adapters, not only the device link, note their failures
// in that file.
TEST(FailureTrace, TheProgramsTraceFileReceivesTheAdaptersFailures) {
    const std::wstring traceFile = TempPath(L"trace.log");
    DeleteFileW(traceFile.c_str());
    {
        ProgramSwitches switches;
        switches.simulate = true;
        switches.traceFile = traceFile;
        ProgramWiring wiring(switches);
        EXPECT_FALSE(wiring.Ports().ini.WriteString(TempPath(L"no-such-folder\\str0.ini"), L"Skins", L"Lan", L"EN"));
        const std::uint8_t bytes[1] = {};
        EXPECT_NE(wiring.Ports().binaryFiles.Replace(TempPath(L"no-such-folder\\config0.bin"), bytes), 0);
    }
    std::stringstream text;
    text << std::ifstream(std::filesystem::path(traceFile)).rdbuf();
    EXPECT_NE(text.str().find("ERROR ReplaceFileAtomically "), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("config0.bin"), std::string::npos) << text.str();
    DeleteFileW(traceFile.c_str());
}

}  // namespace
}  // namespace ravix::win
