#include "win/app/ProgramWiring.h"

#include "win/app/ModulePath.h"

namespace ravix::win {

ProgramWiring::ProgramWiring(const ProgramSwitches& switches)
    : m_traceFile(switches.traceFile ? std::make_unique<FileTransferSink>(*switches.traceFile) : nullptr),
      m_device(switches, m_traceFile.get()),
      m_ini(m_traceFile.get()),
      m_binaryFiles(m_traceFile.get()),
      m_notifier(nullptr, m_traceFile.get()),
      m_fileDialogs(nullptr, m_traceFile.get()),
      m_noticeFile(switches.noticeFile ? std::make_unique<FileTransferSink>(*switches.noticeFile) : nullptr),
      m_ports{m_device.Bus(), m_device.DeviceClock(), m_ini,           m_binaryFiles, m_notifier,
              m_pointer,      m_fileDialogs,          ExecutablePath()} {
    m_ports.noticeLog = m_noticeFile.get();
    m_ports.simulatedMouse = m_device.Mouse();
    m_ports.simulatedBus = m_device.MouseBus();
    m_ports.setOwnerWindow = [this](HWND owner) {
        m_notifier.SetOwner(owner);
        m_fileDialogs.SetOwner(owner);
    };
}

}  // namespace ravix::win
