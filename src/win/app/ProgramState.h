#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "core/device/DeviceLink.h"
#include "core/store/DeviceImage.h"
#include "core/store/ProfileSettings.h"
#include "win/store/StoreState.h"

namespace ravix {
class Clock;
class HidBus;
class SimulatedBus;
class SimulatedMouse;
class TransferSink;
}  // namespace ravix

namespace ravix::win {

// The program's process-wide records, which its windows read and write. The program keeps one
// (Process()); tests give the windows they create one of their own.
struct ProgramState {
    // The bus discovery searches and the clock that paces the mouse (see DeviceBackend). Without
    // a bus the mouse is never found.
    HidBus* hidBus = nullptr;
    Clock* clock = nullptr;

    // With --simulate: the simulated mouse and its bus, which the program can drive.
    SimulatedMouse* simulatedMouse = nullptr;
    SimulatedBus* simulatedBus = nullptr;
    // With --notices=FILE: every notice shown is appended there too, one line each.
    TransferSink* noticeLog = nullptr;

    DeviceLink deviceLink;
    HWND eventWindow = nullptr;  // receives WM_DEVICE_EVENT
    DeviceImage deviceImage{};
    ProfileSettings profileSettings{};
    StoreState store;  // the applied copy, the profile files, the preferences, Save and Reset

    static ProgramState& Process();
};

}  // namespace ravix::win
