// KBHook.dll under Wine: keystrokes injected into this thread reach the window it reports to.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "win/platform/UniqueResources.h"
#include "win/skin/SkinFields.h"

#ifdef RAVIX_KBHOOK_PATH

namespace ravix::win {
namespace {

using Reports = std::vector<std::pair<WPARAM, LPARAM>>;

Reports CollectReports(HWND window, std::size_t expected, DWORD patience = 3000) {
    Reports reports;
    const DWORD start = GetTickCount();
    while (reports.size() < expected && GetTickCount() - start < patience) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == window && msg.message == WM_USER + 10)
                reports.emplace_back(msg.wParam, msg.lParam);
            else
                DispatchMessageW(&msg);
        }
        Sleep(10);
    }
    return reports;
}

void Press(BYTE key, BYTE scan, DWORD flags) {
    keybd_event(key, scan, flags, 0);
    keybd_event(key, scan, flags | KEYEVENTF_KEYUP, 0);
}

TEST(KBHook, ReportsPressesWithSidedModifiersAndTheExtendedFlag) {
    const UniqueModule library(LoadLibraryW(RAVIX_KBHOOK_PATH));
    ASSERT_TRUE(library);
    auto install =
        reinterpret_cast<BOOL (*)(HWND)>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "installhook")));
    auto remove = reinterpret_cast<BOOL (*)()>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "removehook")));
    ASSERT_TRUE(install && remove);

    HWND window = CreateSkinChild(nullptr, {0, 0, 40, 40}, 0, WS_POPUP | WS_VISIBLE);
    ASSERT_TRUE(window);
    SetForegroundWindow(window);
    SetFocus(window);
    CollectReports(window, 0, 0);
    ASSERT_TRUE(install(window));

    Press(VK_LSHIFT, 0x2A, 0);
    Press(VK_RCONTROL, 0x1D, KEYEVENTF_EXTENDEDKEY);
    Press(VK_RETURN, 0x1C, KEYEVENTF_EXTENDEDKEY);  // the keypad's Enter
    Press(VK_RETURN, 0x1C, 0);
    keybd_event('A', 0x1E, 0, 0);
    keybd_event('A', 0x1E, 0, 0);  // held down: an auto-repeat, not reported
    keybd_event('A', 0x1E, KEYEVENTF_KEYUP, 0);
    const Reports reports = CollectReports(window, 5);
    EXPECT_EQ(reports, (Reports{{0xA0, 0}, {0xA3, 1}, {0x0D, 1}, {0x0D, 0}, {'A', 0}}));

    EXPECT_TRUE(remove());
    Press(VK_LSHIFT, 0x2A, 0);
    EXPECT_TRUE(CollectReports(window, 1, 300).empty()) << "nothing is reported once removed";
    DestroyWindow(window);
}

}  // namespace
}  // namespace ravix::win

#endif
