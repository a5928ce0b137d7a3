// KBHook.dll: reports the key presses of the calling thread to one window while installed, so
// that the key capture dialogs can name any key, Enter, Escape and Tab included.
//
// Each press (not releases, not auto-repeats) arrives as WM_USER + 10 with the virtual key in
// wParam - the left- or right-specific one for Shift, Ctrl and Alt - and lParam bit 0 set for an
// extended key. The keystrokes are kept from the window's own handling while the hook is
// installed, so that Enter or Escape does not close the dialog that captures them.
#include <windows.h>

#include "win/platform/UniqueResources.h"

namespace {

constexpr UINT kKeyReport = WM_USER + 10;

// Removed at the latest when the library is unloaded, so that no hook is left pointing into it.
ravix::win::UniqueHook g_hook;
HWND g_target = nullptr;
HINSTANCE g_module = nullptr;

UINT SidedKey(UINT key, LPARAM info) {
    const UINT scan = (static_cast<UINT>(info) >> 16) & 0xFF;
    const bool extended = (info >> 24) & 1;
    switch (key) {
        case VK_SHIFT:
            return scan == 0x36 ? VK_RSHIFT : VK_LSHIFT;
        case VK_CONTROL:
            return extended ? VK_RCONTROL : VK_LCONTROL;
        case VK_MENU:
            return extended ? VK_RMENU : VK_LMENU;
        default:
            return key;
    }
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM key, LPARAM info) {
    if (code == HC_ACTION && g_target) {
        const bool released = (info >> 31) & 1;
        const bool repeated = (info >> 30) & 1;
        if (!released && !repeated)
            PostMessageW(g_target, kKeyReport, SidedKey(static_cast<UINT>(key), info), (info >> 24) & 1);
        return 1;
    }
    return CallNextHookEx(g_hook.Get(), code, key, info);
}

}  // namespace

extern "C" __declspec(dllexport) BOOL installhook(HWND target) {
    g_hook.Reset();
    g_target = target;
    g_hook.Reset(SetWindowsHookExW(WH_KEYBOARD, KeyboardProc, g_module, GetCurrentThreadId()));
    return g_hook.Valid();
}

extern "C" __declspec(dllexport) BOOL removehook() {
    const BOOL installed = g_hook.Valid();
    g_hook.Reset();
    g_target = nullptr;
    return installed;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_module = instance;
    return TRUE;
}
