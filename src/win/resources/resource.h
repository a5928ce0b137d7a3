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
