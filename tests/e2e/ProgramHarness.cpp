#include "ProgramHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace ravix::e2e {

std::wstring& DistFolder() {
    static std::wstring folder;
    return folder;
}

RunningProgram::RunningProgram(const std::wstring& arguments, const std::wstring& folder) {
    const std::wstring& programFolder = folder.empty() ? DistFolder() : folder;
    const std::wstring exe = programFolder + L"\\Velmar Ravix Driver.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        programFolder.c_str(), &startup, &m_process)) {
        m_process = {};
    }
}

RunningProgram::~RunningProgram() {
    if (!m_process.hProcess) return;
    if (IsRunning()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool RunningProgram::WaitForExit(DWORD milliseconds, DWORD& exitCode) const {
    if (WaitForSingleObject(m_process.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(m_process.hProcess, &exitCode) != 0;
}

bool RunningProgram::IsRunning() const {
    return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

HWND WaitForTopWindow(const wchar_t* windowClass, const std::function<bool(HWND)>& match, DWORD milliseconds) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND hwnd = FindWindowExW(nullptr, nullptr, windowClass, nullptr); hwnd;
                 hwnd = FindWindowExW(nullptr, hwnd, windowClass, nullptr)) {
                if (IsWindowVisible(hwnd) && match(hwnd)) {
                    found = hwnd;
                    return true;
                }
            }
            return false;
        },
        milliseconds);
    return found;
}

HWND WaitForWindow(const RunningProgram& program, const wchar_t* windowClass, DWORD milliseconds) {
    const DWORD processId = GetProcessId(program.Process());
    return WaitForTopWindow(
        windowClass,
        [&](HWND hwnd) {
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            return owner == processId;
        },
        milliseconds);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

std::wstring FreshTempPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = folder + name;
    DeleteFileW(path.c_str());
    return path;
}

std::vector<std::string> FileLines(const std::wstring& path) {
    std::vector<std::string> lines;
    std::ifstream file(path.c_str(), std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool SimulationCommand(HWND window, const std::string& command) {
    constexpr ULONG_PTR kSimulationCommand = 0x52415658;
    COPYDATASTRUCT data{kSimulationCommand, static_cast<DWORD>(command.size()), const_cast<char*>(command.data())};
    return SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == TRUE;
}

}  // namespace ravix::e2e

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fwprintf(stderr, L"usage: e2e_tests DIST_FOLDER\n");
        return 2;
    }
    ravix::e2e::DistFolder() = argv[1];
    return RUN_ALL_TESTS();
}
