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

// The main window's own: the device-change broadcasts gathered over a short while are answered.
inline constexpr UINT WM_SETTLE_DEVICE_CHANGES = WM_APP + 1;

// With --simulate only: WM_COPYDATA with this dwData carries an ASCII command for the simulated
// mouse ("plug", "unplug", "dpi", "macro N"), and the notification-area menu has these items.
inline constexpr ULONG_PTR kSimulationCommandData = 0x52415658;
inline constexpr UINT ID_SIMULATE_PLUG = 1101;
inline constexpr UINT ID_SIMULATE_UNPLUG = 1102;
inline constexpr UINT ID_SIMULATE_DPI = 1103;
inline constexpr UINT ID_SIMULATE_MACRO_KEY = 1111;  // macro keys 1 to 12: 1111 to 1122

}  // namespace ravix::win
