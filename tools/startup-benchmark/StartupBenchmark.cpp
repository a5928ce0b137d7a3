// Start-up and footprint of the program, as figures (not a test):
//   startup_benchmark.exe PROGRAM_FOLDER MINIMAL_WINDOW_EXE [RUNS] [--startup-only]
// - the time from CreateProcess to the main window being visible, polled every 2 ms in this one
//   process, against the same time for a minimal Win32 window program, and their ratio;
// - the program's resident memory after start-up and after 100 plug cycles of the simulated mouse;
// - the CPU time it uses in 60 s while hidden in the notification area.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kProgramClass[] = L"RK204-VelmarGMClass";
constexpr wchar_t kMinimalClass[] = L"RavixMinimalWindow";
constexpr ULONG_PTR kSimulationCommand = 0x52415658;
constexpr UINT kTrayExit = 1028;

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND VisibleWindowOf(DWORD processId, const wchar_t* windowClass) {
    for (HWND hwnd = FindWindowExW(nullptr, nullptr, windowClass, nullptr); hwnd;
         hwnd = FindWindowExW(nullptr, hwnd, windowClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == processId && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double seconds = 0;
};

Started Start(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder,
              const wchar_t* windowClass) {
    Started started;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    const double begin = Now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &started.process))
        return started;
    while (!started.window && Now() - begin < 30) {
        started.window = VisibleWindowOf(started.process.dwProcessId, windowClass);
        if (!started.window) Sleep(2);
    }
    started.seconds = Now() - begin;
    return started;
}

void Stop(Started& started, UINT message, WPARAM wParam) {
    if (started.window) PostMessageW(started.window, message, wParam, 0);
    if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(started.process.hProcess, 1);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double ResidentMegabytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) return 0;
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;
}

bool Command(HWND window, const char* command) {
    COPYDATASTRUCT data{kSimulationCommand, static_cast<DWORD>(strlen(command)), const_cast<char*>(command)};
    return SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: startup_benchmark PROGRAM_FOLDER MINIMAL_WINDOW_EXE [RUNS] [--startup-only]\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const std::wstring program = folder + L"\\Velmar Ravix Driver.exe";
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 5;

    std::vector<double> programTimes, minimalTimes;
    for (int run = 0; run < runs; ++run) {
        Started minimal = Start(argv[2], L"", L"", kMinimalClass);
        minimalTimes.push_back(minimal.seconds);
        Stop(minimal, WM_CLOSE, 0);
        Started started = Start(program, L"--simulate", folder, kProgramClass);
        programTimes.push_back(started.seconds);
        Stop(started, WM_COMMAND, kTrayExit);
    }
    const double programMedian = Median(programTimes), minimalMedian = Median(minimalTimes);
    std::printf("start-up to visible window, median of %d: program %.0f ms, minimal window program %.0f ms, "
                "ratio %.2f\n",
                runs, programMedian * 1000, minimalMedian * 1000, programMedian / minimalMedian);
    if (argc > 4 && std::wstring(argv[4]) == L"--startup-only") return 0;

    Started started = Start(program, L"--simulate", folder, kProgramClass);
    if (!started.window) {
        std::printf("the program's window did not appear\n");
        return 1;
    }
    Sleep(1000);  // the first paint and the connection settle
    std::printf("resident memory after start-up: %.1f MB\n", ResidentMegabytes(started.process.hProcess));
    for (int cycle = 0; cycle < 100; ++cycle) {
        Command(started.window, "unplug");
        Sleep(450);  // past the 400 ms in which broadcasts are gathered
        Command(started.window, "plug");
        Sleep(450);
    }
    Sleep(1000);
    std::printf("resident memory after 100 plug cycles: %.1f MB\n", ResidentMegabytes(started.process.hProcess));

    SendMessageW(started.window, WM_CLOSE, 0, 0);  // hidden in the notification area
    Sleep(1000);
    const double before = CpuSeconds(started.process.hProcess);
    Sleep(60000);
    const double after = CpuSeconds(started.process.hProcess);
    std::printf("CPU time while hidden for 60 s: %.0f ms\n", (after - before) * 1000);
    Stop(started, WM_COMMAND, kTrayExit);
    return 0;
}
