// The yardstick of the start-up benchmark: the smallest Win32 program that shows a window, started
// the same way as the program under test. It ends when its window is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK MinimalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MinimalProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"RavixMinimalWindow";
    RegisterClassW(&windowClass);
    const HWND hwnd = CreateWindowW(L"RavixMinimalWindow", L"Minimal", WS_POPUP, 0, 0, 1000, 640, nullptr,
                                    nullptr, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
