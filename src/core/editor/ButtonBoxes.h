#pragma once

#include "core/editor/ClientGeometry.h"

namespace ravix {

// The Button Assignment section's rows, one per mouse button 1..8, 20 pixels apart.
inline constexpr int kAssignableButtons = 8;

// The drop-down box that shows the button's function.
constexpr ClientRect ButtonBoxRect(int button) {
    const int step = 20 * (button - 1);
    return {120, 154 + step, 250, 170 + step};
}

// The list of functions that the box opens, to the right of the panel.
constexpr ClientRect MainListRect(int button) {
    const int step = 20 * (button - 1);
    return {262, 154 + step, 365, 384 + step};
}

constexpr int MainListControlId(int button) {
    return 40 + button;
}

}  // namespace ravix
