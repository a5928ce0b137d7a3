#pragma once

// Resource identifiers of the program.
#define IDD_VARNIX_DIALOG 700
#define IDR_MAINFRAME 720
#define IDB_PANEL_THUMB 184

#define RAVIX_WINDOW_CLASS L"RK204-VelmarGMClass"

// The LED colour dialog and the help panel: templates without controls, filled at run time.
#define IDD_SELECT_COLOR 190
#define IDD_HELP_DIALOG 721

// The key capture dialogs and the profile manager: templates without controls, sized by their
// pictures.
#define IDD_SINGLE_KEY 701
#define IDD_COMBO_KEY 706
#define IDD_CONFIG_DIALOG 720

// The macro manager and the macro assignment dialog, and the manager's key list menu.
#define IDD_MACRO_PROGRAM 716
#define IDD_MACRO_KEY 714
#define IDR_MACRO_LIST_MENU 180
#define ID_MACRO_DELETE_LINE 32772
#define ID_MACRO_INSERT_LEFT 32784
#define ID_MACRO_INSERT_MIDDLE 32785
#define ID_MACRO_INSERT_RIGHT 32786
#define ID_MACRO_INSERT_DELAY 32794
