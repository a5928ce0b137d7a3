#pragma once

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace ravix::win::test_support {

// Drives a modal dialog from inside its own loop: a thread timer runs one step per tick, and since
// WM_TIMER comes only when no other message waits, every step sees what the one before it caused.
// A script whose steps ran out without ending the dialog cancels it, so a failing test never hangs.
class DialogScript {
public:
    DialogScript(std::vector<std::function<void()>> steps, std::function<void()> rescue)
        : m_steps(std::move(steps)), m_rescue(std::move(rescue)) {
        Current() = this;
        m_timer = SetTimer(nullptr, 0, 60, &DialogScript::Tick);
    }
    ~DialogScript() {
        KillTimer(nullptr, m_timer);
        Current() = nullptr;
    }
    bool Finished() const { return m_next >= m_steps.size(); }

private:
    static DialogScript*& Current() {
        static DialogScript* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* script = Current();
        if (!script || script->m_running) return;
        script->m_running = true;
        if (script->m_next < script->m_steps.size())
            script->m_steps[script->m_next++]();
        else if (++script->m_idleTicks > 20 && script->m_rescue)
            script->m_rescue();
        script->m_running = false;
    }

    std::vector<std::function<void()>> m_steps;
    std::function<void()> m_rescue;
    std::size_t m_next = 0;
    int m_idleTicks = 0;
    bool m_running = false;
    UINT_PTR m_timer = 0;
};

// A press of the left button on a window, as the user's click posts it.
inline void PostClick(HWND hwnd, int x, int y) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Keeps the window on screen for the time RAVIX_HOLD_MS names (none by default), so that a
// screenshot can be taken of it from outside.
inline void HoldForScreenshot() {
    const char* hold = std::getenv("RAVIX_HOLD_MS");
    if (!hold) return;
    const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(hold));
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

inline std::wstring WindowTextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

}  // namespace ravix::win::test_support
