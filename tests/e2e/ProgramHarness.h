#pragma once

// Starts the packaged program under test and finds its main window.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ravix::e2e {

// What the program shows the outside: its main window's class and the tray menu's Exit command.
inline constexpr wchar_t kWindowClass[] = L"RK204-VelmarGMClass";
inline constexpr UINT kTrayExit = 1028;

// The dist folder, given to the test executable as its first argument.
std::wstring& DistFolder();

class RunningProgram {
public:
    // Starts the program of `folder` (the dist folder when empty) with `arguments`.
    explicit RunningProgram(const std::wstring& arguments = L"", const std::wstring& folder = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    HANDLE Process() const { return m_process.hProcess; }

    // Waits for the process to end; returns its exit code, or nothing on time-out.
    bool WaitForExit(DWORD milliseconds, DWORD& exitCode) const;
    bool IsRunning() const;

private:
    PROCESS_INFORMATION m_process{};
};

// The first visible top-level window of the given class for which `match` holds, waiting up to
// `milliseconds`.
HWND WaitForTopWindow(const wchar_t* windowClass, const std::function<bool(HWND)>& match, DWORD milliseconds);

// The top-level window of the given class that belongs to the process, waiting up to `milliseconds`.
HWND WaitForWindow(const RunningProgram& program, const wchar_t* windowClass, DWORD milliseconds);

// Polls `condition` every 20 ms until it holds or `milliseconds` pass.
template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

std::wstring WindowText(HWND hwnd);

// A text in UTF-8, for test messages.
std::string Narrow(const std::wstring& text);

// A path in the temporary folder, with no file there yet.
std::wstring FreshTempPath(const std::wstring& name);

// The lines of a text file, without line ends; none when it cannot be read.
std::vector<std::string> FileLines(const std::wstring& path);

// Sends a command for the simulated mouse ("plug", "unplug", "dpi", "macro N") to the program.
bool SimulationCommand(HWND window, const std::string& command);

}  // namespace ravix::e2e
