#pragma once

#include <windows.h>

namespace ravix::win {

// Messages of the main window; other windows, the shell and the listener thread send them.
inline constexpr UINT WM_TRAY_ICON = WM_USER + 1;
inline constexpr UINT WM_DEVICE_EVENT = WM_USER + 2;
inline constexpr UINT WM_PROFILE_FILE = 0xB03;
inline constexpr UINT WM_RUN_UPDATER = 0xB13;
inline constexpr UINT WM_PANEL_SCROLL = 0xB20;

// The notification-area menu's one item: ends the program.
inline constexpr UINT ID_TRAY_EXIT = 1028;

}  // namespace ravix::win
