#pragma once

#include <windows.h>

#include <string_view>

#include "win/app/ProgramPorts.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {

// Drives the simulated mouse of --simulate from the running program, so that every notice can be
// seen without hardware: items of the notification-area menu, and WM_COPYDATA commands for test
// drivers ("plug", "unplug", "dpi", "macro N"). Without --simulate neither does anything.
class SimulationConsole final : public MessageHandler {
public:
    explicit SimulationConsole(const ProgramPorts& ports) : m_ports(ports) {}

    // The menu items, only with --simulate.
    void AppendMenuItems(HMENU menu) const;

    // WM_COPYDATA and the menu items' commands.
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool Run(HWND window, std::string_view command);
    void OnMenuItem(HWND window, UINT id);

    const ProgramPorts& m_ports;
};

}  // namespace ravix::win
