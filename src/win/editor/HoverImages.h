#pragma once

#include <windows.h>

#include "core/editor/PressDispatch.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {

// The images of the main window that swap while the pointer rests on them: its buttons, and the
// boxes of Button Assignment while it is open.
class HoverImages final : public MessageHandler {
public:
    explicit HoverImages(const MainWindowState& state) : m_state(state) {}

    HoverTarget Current() const { return m_current; }

    // WM_MOUSEMOVE, WM_MOUSEHOVER and WM_MOUSELEAVE of the window.
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Show(HWND window, HoverTarget target);

    const MainWindowState& m_state;
    HoverTarget m_current;
};

}  // namespace ravix::win
