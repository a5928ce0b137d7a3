// FwUpdate.exe: the firmware updater the program starts on request. No newer firmware exists for
// the mouse, so it says so and closes.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr,
                L"No firmware update is available for the connected mouse.\n"
                L"Your Velmar Ravix already runs the latest firmware.",
                L"Velmar Ravix Firmware Update", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    return 0;
}
