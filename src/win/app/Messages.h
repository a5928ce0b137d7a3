#pragma once

// The program's private window messages, timers and control identifiers, all in one place so that
// no two parts of the main window pick the same number.
#include <windows.h>

namespace ravix::win {

// Messages of the main window; other windows, the shell and the listener thread send them.
inline constexpr UINT WM_TRAY_ICON = WM_USER + 1;
inline constexpr UINT WM_DEVICE_EVENT = WM_USER + 2;
inline constexpr UINT WM_PROFILE_FILE = 0xB03;
inline constexpr UINT WM_RUN_UPDATER = 0xB13;
inline constexpr UINT WM_PANEL_SCROLL = 0xB20;  // the scroll thumb was dragged: wParam is its top

// The main window's own: the device-change broadcasts gathered over a short while are answered.
inline constexpr UINT WM_SETTLE_DEVICE_CHANGES = WM_APP + 1;
// Posted by the initialisation: what can wait until the window has been painted once.
inline constexpr UINT WM_FINISH_START_UP = WM_APP + 2;

// The main window's timers.
inline constexpr UINT_PTR kSaveBusyTimer = 1;     // ends the busy period of Save
inline constexpr UINT_PTR kResetCursorTimer = 2;  // ends the wait cursor of Reset
inline constexpr UINT_PTR kSaveCursorTimer = 3;   // ends the wait cursor of Save
inline constexpr UINT_PTR kSettleTimer = 16;      // the device-change broadcasts have settled

// The notification-area menu's one item: ends the program.
inline constexpr UINT ID_TRAY_EXIT = 1028;

// Button Assignment's lists: the buttons' lists of functions and their second-level lists.
inline constexpr UINT kFirstButtonListId = 35;
inline constexpr UINT kLastButtonListId = 48;

// The macro manager: the recorder's message (wParam 0 key pressed, 1 released, 5 stopped, 6 Ctrl+Break,
// 7 save the open macro) and its controls; the macro assignment dialog's name box and list.
inline constexpr UINT WM_MACRO_RECORDER = 0x0926;
inline constexpr UINT kRepeatCountFieldId = 149;
inline constexpr UINT kMacroListId = 151;
inline constexpr UINT kKeyListId = 152;
inline constexpr UINT kMacroNameBoxId = 592;
inline constexpr UINT kMacroChoiceListId = 593;

// With --simulate only: WM_COPYDATA with this dwData carries an ASCII command for the simulated
// mouse ("plug", "unplug", "dpi", "macro N"), and the notification-area menu has these items.
inline constexpr ULONG_PTR kSimulationCommandData = 0x52415658;
inline constexpr UINT ID_SIMULATE_PLUG = 1101;
inline constexpr UINT ID_SIMULATE_UNPLUG = 1102;
inline constexpr UINT ID_SIMULATE_DPI = 1103;
inline constexpr UINT ID_SIMULATE_MACRO_KEY = 1111;  // macro keys 1 to 12: 1111 to 1122
inline constexpr int kSimulatedMacroKeys = 12;

}  // namespace ravix::win
