#include "win/app/VarnixApp.h"

#include <commctrl.h>
#include <gdiplus.h>

#include "core/app/ProgramSwitches.h"
#include "win/app/CommandLine.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/device/DeviceBackend.h"
#include "win/device/FileTransferSink.h"
#include "win/resources/resource.h"

namespace ravix::win {
namespace {

// The main window's class: the system dialog class under the program's own name, so that other
// programs can find the window by class.
bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(nullptr, MAKEINTRESOURCEW(0x8002), &windowClass)) return false;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = RAVIX_WINDOW_CLASS;
    return RegisterClassW(&windowClass) != 0;
}

}  // namespace

BOOL CVarnixApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);

    if (!RegisterMainWindowClass(m_hInstance)) return FALSE;

    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr);

    // The mouse the program talks to: the machine's, or the simulated one of --simulate.
    const ProgramSwitches switches = ParseProgramSwitches(CommandLineArguments());
    DeviceBackend device(switches);
    std::unique_ptr<FileTransferSink> noticeFile;
    if (switches.noticeFile) noticeFile = std::make_unique<FileTransferSink>(*switches.noticeFile);
    ProgramState& state = ProgramState::Process();
    state.hidBus = &device.Bus();
    state.clock = &device.DeviceClock();
    state.simulatedMouse = device.Mouse();
    state.simulatedBus = device.MouseBus();
    state.noticeLog = noticeFile.get();
    {
        CVarnixDlg mainWindow;
        m_pMainWnd = &mainWindow;
        mainWindow.DoModal();
        m_pMainWnd = nullptr;
    }
    state.hidBus = nullptr;
    state.clock = nullptr;
    state.simulatedMouse = nullptr;
    state.simulatedBus = nullptr;
    state.noticeLog = nullptr;
    return FALSE;
}

int CVarnixApp::ExitInstance() {
    if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
    return CWinApp::ExitInstance();
}

}  // namespace ravix::win
