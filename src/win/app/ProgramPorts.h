#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace ravix {
class BinaryFiles;
class Clock;
class HidBus;
class IniFile;
class Notifier;
class PointerSettings;
class ProfileFileDialogs;
class SimulatedBus;
class SimulatedMouse;
class TransferSink;
}  // namespace ravix

namespace ravix::win {

// Everything the program reaches the world through. The application object builds one from the
// system's adapters (see ProgramWiring) and hands it by reference to the main window and every
// dialog; tests build one from fakes.
struct ProgramPorts {
    ProgramPorts(HidBus& hidBus, Clock& clock, IniFile& ini, BinaryFiles& binaryFiles, Notifier& notifier,
                 PointerSettings& pointer, ProfileFileDialogs& fileDialogs, std::wstring executablePath)
        : hidBus(hidBus),
          clock(clock),
          ini(ini),
          binaryFiles(binaryFiles),
          notifier(notifier),
          pointer(pointer),
          fileDialogs(fileDialogs),
          executablePath(std::move(executablePath)) {}

    HidBus& hidBus;  // the bus discovery searches
    Clock& clock;    // paces the mouse's transfers
    IniFile& ini;
    BinaryFiles& binaryFiles;
    Notifier& notifier;
    PointerSettings& pointer;
    ProfileFileDialogs& fileDialogs;
    std::wstring executablePath;  // the profile files and the skins are found beside it

    // With --notices=FILE: every notice shown is appended there too, one line each.
    TransferSink* noticeLog = nullptr;
    // With --simulate: the simulated mouse and its bus, which the program can drive.
    SimulatedMouse* simulatedMouse = nullptr;
    SimulatedBus* simulatedBus = nullptr;
    // Names the window that owns the message boxes and file dialogs the ports show; the main
    // window calls it once it exists. Fakes show nothing and need no owner.
    std::function<void(HWND)> setOwnerWindow;
};

}  // namespace ravix::win
