#pragma once

// Resource identifiers of the program.
#define IDD_VARNIX_DIALOG 700
#define IDR_MAINFRAME 720
#define IDB_PANEL_THUMB 184

#define RAVIX_WINDOW_CLASS L"RK204-VelmarGMClass"
