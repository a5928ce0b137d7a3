#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "core/platform/BinaryFiles.h"
#include "tests/fakes/FakeNotifier.h"
#include "tests/fakes/FakePointerSettings.h"
#include "tests/fakes/ScriptedFileDialogs.h"
#include "win/app/Messages.h"
#include "win/app/ModulePath.h"
#include "win/app/ProgramPorts.h"
#include "win/platform/WinIniFile.h"

namespace ravix::win::test_support {

// Registers the main window's class once per test process, as the application object does at
// start-up; true when the class is there.
inline bool RegisterMainWindowClassOnce() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        GetClassInfoW(nullptr, MAKEINTRESOURCEW(0x8002), &windowClass);
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RK204-VelmarGMClass";
        return RegisterClassW(&windowClass) != 0;
    }();
    return registered;
}

// Runs what the main window's initialisation leaves until it has been painted (the search for the
// mouse, the pages, the notification-area icon), as the window's message loop would.
inline void FinishStartUp(HWND hwnd) {
    MSG msg;
    while (PeekMessageW(&msg, hwnd, WM_FINISH_START_UP, WM_FINISH_START_UP, PM_REMOVE)) DispatchMessageW(&msg);
}

// The ports of a main window made in a test: the test's bus and clock, the system's profile files
// beside the given executable, and fakes that keep message boxes, pointer settings and file
// dialogs to themselves.
struct TestPorts {
    TestPorts(HidBus& bus, Clock& clock, std::wstring executablePath = ExecutablePath())
        : ports{bus, clock, ini, files, notifier, pointer, dialogs, std::move(executablePath)} {}

    WinIniFile ini;
    PortableBinaryFiles files;
    FakeNotifier notifier;
    FakePointerSettings pointer;
    ScriptedFileDialogs dialogs;
    ProgramPorts ports;
};

}  // namespace ravix::win::test_support
