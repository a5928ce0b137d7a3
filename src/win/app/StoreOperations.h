#pragma once

#include <windows.h>

#include <functional>

#include "core/app/ApplicationSettings.h"
#include "win/app/ProgramPorts.h"
#include "win/app/ProgramState.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {

// The configuration store as the main window uses it: the current profile's files at start-up and
// on request of the profile manager (import, export, reload), and Save and Reset with Save's busy
// guard, their timers and the wait cursor they show while the mouse is written.
class StoreOperations final : public MessageHandler {
public:
    // `replaced` is called whenever the settings record was replaced from the files or the factory.
    StoreOperations(ProgramState& state, const ProgramPorts& ports, std::function<void()> replaced)
        : m_state(state), m_ports(ports), m_replaced(std::move(replaced)) {}

    // Reads the current profile, its language, labels and caption colour.
    void LoadAtStartUp();
    // A profile never saved gets the language's default labels, written back to its text file.
    void ApplyFirstRunLabels(Language language);
    void Reload();

    void Save(HWND window);
    void Reset(HWND window);

    // WM_PROFILE_FILE and the timers of Save and Reset.
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void AnswerProfileFileRequest(WPARAM request);
    void EndTimer(HWND window, UINT_PTR timer);

    ProgramState& m_state;
    const ProgramPorts& m_ports;
    std::function<void()> m_replaced;
};

}  // namespace ravix::win
