#pragma once

#include <windows.h>

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

}  // namespace ravix::win::test_support
