// Prints what one redraw of the LED colour dialog's colour plane costs under Wine: a redraw that
// renders the plane anew (the hue changed) and one that only moves the marker (a drag), each the
// average of many, against the 16 ms of a frame at 60 redraws a second. Run by
// tools/colour-plane-benchmark.sh.
#include <windows.h>

#include <cstdio>

#include "win/dialogs/ColourPicker.h"
#include "win/skin/SkinFields.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Step>
double AverageMs(int count, Step step) {
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    for (int i = 0; i < count; ++i) step(i);
    QueryPerformanceCounter(&to);
    return Milliseconds(from, to) / count;
}

}  // namespace

int wmain() {
    using namespace ravix;
    using namespace ravix::win;
    HWND owner = CreateSkinChild(nullptr, {0, 0, 260, 260}, 0, WS_POPUP | WS_VISIBLE);
    GTColorSelectorWnd plane;
    if (!owner || !plane.Create({24, 24, 224, 224}, owner)) {
        std::printf("could not create the colour plane\n");
        return 1;
    }
    plane.SetMode(ColourMode::HueFixed);
    HWND hwnd = plane.GetSafeHwnd();
    const auto redraw = [hwnd] { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    redraw();
    constexpr int kCount = 200;
    const double rendered = AverageMs(kCount, [&](int i) {
        plane.SetColour(i % 2 ? 0x0000FF : 0x00FF00);  // red, then green: a new hue each time
        redraw();
    });
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
    const double dragged = AverageMs(kCount, [&](int i) {
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20 + i % 160, 30 + i % 150));
    });
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    std::printf("colour plane 200 x 200, average of %d redraws under Wine:\n", kCount);
    std::printf("  new hue (plane rendered anew): %.2f ms\n", rendered);
    std::printf("  drag (marker moved):           %.2f ms\n", dragged);
    std::printf("  a frame at 60 redraws a second: 16.67 ms\n");
    DestroyWindow(owner);
    return 0;
}
