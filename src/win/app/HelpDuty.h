#pragma once

#include <windows.h>

#include <memory>

#include "core/editor/PressDispatch.h"
#include "win/app/ProgramPorts.h"
#include "win/dialogs/HelpDialog.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {

// The help panel the help button toggles, made when it is first opened, and the updater that any
// program may ask the main window to start (WM_RUN_UPDATER with wParam 0).
class HelpDuty final : public MessageHandler {
public:
    HelpDuty(CWnd& mainWindow, ProgramPorts& ports) : m_mainWindow(mainWindow), m_ports(ports) {}

    // Opens the panel (OpenHelp) or closes it (CloseHelp); the other presses leave it as it is.
    void Press(PressKind kind, const HelpSetup& setup);
    // False too once the panel has ended itself.
    bool IsOpen() const { return m_panel && m_panel->IsOpen(); }

    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CWnd& m_mainWindow;
    ProgramPorts& m_ports;
    std::unique_ptr<HelpPanel> m_panel;
};

}  // namespace ravix::win
