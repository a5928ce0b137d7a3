#include "win/app/VarnixApp.h"

#include <commctrl.h>
#include <gdiplus.h>

#include "core/app/ProgramSwitches.h"
#include "win/app/CommandLine.h"
#include "win/app/ProgramState.h"
#include "win/app/ProgramWiring.h"
#include "win/app/VarnixDlg.h"
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

    // The one place the program is wired: the machine's mouse or the simulated one of --simulate,
    // and the system's side of every other port.
    ProgramWiring wiring(ParseProgramSwitches(CommandLineArguments()));
    ProgramState state;
    {
        CVarnixDlg mainWindow(state, wiring.Ports());
        m_pMainWnd = &mainWindow;
        mainWindow.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}

int CVarnixApp::ExitInstance() {
    if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
    return CWinApp::ExitInstance();
}

}  // namespace ravix::win
