#pragma once

#include <memory>

#include "core/app/ProgramSwitches.h"
#include "core/platform/BinaryFiles.h"
#include "win/app/DeviceBackend.h"
#include "win/app/ProgramPorts.h"
#include "win/device/FileTransferSink.h"
#include "win/editor/WinPointerSettings.h"
#include "win/platform/WinBinaryFiles.h"
#include "win/platform/WinIniFile.h"
#include "win/platform/WinNotifier.h"
#include "win/store/WinProfileFileDialogs.h"

namespace ravix::win {

// The one place the program is wired: the system's adapter of every port, chosen by the program's
// switches, gathered into the bundle the windows are handed.
class ProgramWiring {
public:
    explicit ProgramWiring(const ProgramSwitches& switches);
    ProgramWiring(const ProgramWiring&) = delete;
    ProgramWiring& operator=(const ProgramWiring&) = delete;

    ProgramPorts& Ports() { return m_ports; }

private:
    std::unique_ptr<FileTransferSink> m_traceFile;  // --trace=FILE: transfers and failed system calls
    DeviceBackend m_device;
    WinIniFile m_ini;
    WinBinaryFiles m_binaryFiles;
    WinNotifier m_notifier;
    WinPointerSettings m_pointer;
    WinProfileFileDialogs m_fileDialogs;
    std::unique_ptr<FileTransferSink> m_noticeFile;
    ProgramPorts m_ports;
};

}  // namespace ravix::win
