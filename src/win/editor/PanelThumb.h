#pragma once

#include <windows.h>

#include <functional>

#include "core/editor/PressDispatch.h"
#include "win/framework/MessageMap.h"
#include "win/skin/SkinButtons.h"

namespace ravix::win {

// The thumb of the right panel's scroll bar: a skin button dragged along the bar. Dragged far
// enough with two sections open there, it switches the panel's view.
class PanelThumb final : public MessageHandler {
public:
    using SwitchView = std::function<void(RightPanelView)>;

    PanelThumb(const MainWindowState& state, SwitchView switchView)
        : m_state(state), m_switchView(std::move(switchView)) {}

    void Create(HWND window);
    // Back at the top of the bar, as the top view shows it.
    void MoveToTop(HWND window);

    // WM_PANEL_SCROLL, which the thumb posts while dragged.
    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    const MainWindowState& m_state;
    SwitchView m_switchView;
    CGdipButton m_button;
};

}  // namespace ravix::win
