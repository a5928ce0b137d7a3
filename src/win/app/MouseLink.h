#pragma once

#include <windows.h>

#include <memory>

#include "win/app/ProgramPorts.h"
#include "win/app/ProgramState.h"
#include "win/device/EventListener.h"

namespace ravix::win {

// The program's hold on the mouse: finding it, connecting to it, the thread that hears its own
// events, and closing its handles. The events go to the state's event window as WM_DEVICE_EVENT.
class MouseLink {
public:
    MouseLink(ProgramState& state, const ProgramPorts& ports) : m_state(state), m_ports(ports) {}
    MouseLink(const MouseLink&) = delete;
    MouseLink& operator=(const MouseLink&) = delete;

    // Searches the bus and connects when the mouse is there, after the profile has been loaded:
    // the loaded profile's number stays the one edited, and the listener starts reading.
    void ConnectAtStartUp();
    // The mouse's current profile becomes the one edited, and the mouse is told the program is there.
    void Connect();
    // A new search, with the listener kept off the interfaces it may replace; true when found.
    bool Search();

    // False only when the listener's wake event could not be made; without its thread the program
    // runs on without hearing the mouse's buttons.
    bool StartListener();
    void ResumeListener();

    // Closes the mouse's handles, with no read of the listener left pending on them.
    void Close();

private:
    ProgramState& m_state;
    const ProgramPorts& m_ports;
    std::unique_ptr<EventListener> m_listener;
};

}  // namespace ravix::win
