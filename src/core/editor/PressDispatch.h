#pragma once

#include <optional>
#include <vector>

#include "core/editor/ClientGeometry.h"
#include "core/editor/MainWindowLayout.h"

namespace ravix {

// The main window's state that decides what a press or the pointer's position does.
struct MainWindowState {
    LayoutState layout;
    MouseView mouseView = MouseView::Front;
    bool helpWindowOpen = false;
    bool profileManagerOpen = false;
    std::optional<int> openButtonList;  // the button 1..8 whose function list is open
};

enum class PressKind {
    Reset,   // ResetToFactory, then the window-side reset
    Cancel,  // CancelEdits, then hide until shown again
    Save,    // SaveToMouse
    OpenHelp,
    CloseHelp,
    Minimise,  // hide to the notification area
    Close,     // end the program
    OpenProfileManager,
    ShowMouseView,  // view
    ToggleSection,  // section
    OpenMacroManager,
    SwitchRightView,   // view
    BodyControls,      // section: dials, swatches, effect buttons and X/Y sliders of its body
    CloseButtonLists,  // the open list of button, and every second-level list
    ButtonBox,         // button: open or close its list
    BodySliders,       // section: the DPI, lighting and angle-snap sliders of its body
    DragWindow,
};

struct PressAction {
    PressKind kind{};
    std::optional<Section> section{};
    std::optional<RightPanelView> rightView{};
    std::optional<MouseView> mouseView{};
    int button = 0;  // 1..8 for the button-list actions

    bool operator==(const PressAction&) const = default;
};

// What a left-button press at the point does, in the order the window carries it out.
std::vector<PressAction> DispatchPress(ClientPoint point, const MainWindowState& state,
                                       const MainWindowLayout& layout);

// The section whose page answers the action: the body steps name theirs, and the button boxes and
// their lists are Button Assignment's. None for the window's own actions.
std::optional<Section> PageSectionOf(const PressAction& action);

// The window-side part of Reset: every list closed, every section collapsed, the right panel's
// top view and the front view of the mouse. The help window and the profile manager stay.
MainWindowState ResetWindowState(const MainWindowState& state);

// The regions that change their image under the pointer.
enum class HoverRegion { None, Help, Minimise, Close, Config, Reset, Cancel, Save, ButtonBox };

struct HoverTarget {
    HoverRegion region = HoverRegion::None;
    int button = 0;  // 1..8 for ButtonBox
    bool operator==(const HoverTarget&) const = default;
};

// The region under the pointer; the button boxes count only while Button Assignment is open.
HoverTarget HoverTargetAt(ClientPoint point, const MainWindowState& state);

}  // namespace ravix
