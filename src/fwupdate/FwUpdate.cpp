// FwUpdate.exe: the updater the program starts on request. The program does not know the mouse's
// firmware version, and this release carries no firmware image, so the updater claims nothing
// about the mouse: it says that there is no firmware update in this version and closes.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr,
                L"This version of Velmar Ravix Driver carries no firmware update.\n"
                L"Your mouse's firmware has not been checked or changed.",
                L"Velmar Ravix Firmware Update", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    return 0;
}
