#pragma once

#include <windows.h>

#include "core/device/DeviceLink.h"
#include "core/macros/MacroManagerRules.h"
#include "core/store/DeviceImage.h"
#include "core/store/ProfileSettings.h"
#include "win/store/StoreState.h"

namespace ravix::win {

// The program's records, which its windows read and write. The application object keeps the
// program's one; tests give the windows they create one of their own.
struct ProgramState {
    DeviceLink deviceLink;
    HWND eventWindow = nullptr;  // receives WM_DEVICE_EVENT
    DeviceImage deviceImage{};
    ProfileSettings profileSettings{};
    StoreState store;                 // the applied copy, the profile files, the preferences, Save and Reset
    MacroManagerMemory macroManager;  // the recorder and the manager's tick boxes
};

}  // namespace ravix::win
