#include "win/app/HelpDuty.h"

#include "win/app/Messages.h"
#include "win/dialogs/UpdaterLaunch.h"

namespace ravix::win {

void HelpDuty::Press(PressKind kind, const HelpSetup& setup) {
    if (!m_panel) m_panel = std::make_unique<HelpPanel>(m_mainWindow, setup);
    if (kind == PressKind::OpenHelp && !m_panel->IsOpen()) m_panel->Toggle();
    if (kind == PressKind::CloseHelp) m_panel->Close();
}

bool HelpDuty::OnWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_RUN_UPDATER) return false;
    if (wParam == 0) RunUpdater(m_ports.executablePath, m_ports.notifier);
    result = 0;
    return true;
}

}  // namespace ravix::win
