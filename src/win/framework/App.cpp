#include "win/framework/App.h"

#include "win/framework/Dialog.h"

namespace ravix::win {

CWinApp* CWinApp::s_current = nullptr;

CWinApp::CWinApp() {
    s_current = this;
}

CWinApp::~CWinApp() {
    if (s_current == this) s_current = nullptr;
}

HINSTANCE CWinApp::Instance() {
    return s_current && s_current->m_hInstance ? s_current->m_hInstance : GetModuleHandleW(nullptr);
}

int CWinApp::Run(HINSTANCE instance) {
    m_hInstance = instance;
    if (InitInstance()) {
        const bool forever = true;
        RunModalLoop(forever);
        MSG msg;
        if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            m_exitCode = static_cast<int>(msg.wParam);
    }
    return ExitInstance();
}

}  // namespace ravix::win
