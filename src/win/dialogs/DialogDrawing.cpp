#include "win/dialogs/DialogDrawing.h"

#include <algorithm>

namespace ravix::win {

void DrawCaption(HDC dc, const std::wstring& text, const PixelRect& rect, UINT alignment) {
    RECT area = ToRect(rect);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              alignment | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawWrappedCaption(HDC dc, const std::wstring& text, const PixelRect& rect) {
    RECT measured = ToRect(rect);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    RECT area = ToRect(rect);
    area.top += std::max<LONG>(0, (rect.Height() - (measured.bottom - measured.top)) / 2);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_WORDBREAK | DT_NOPREFIX);
}

void CentreOverOwner(HWND dialog) {
    RECT frame{}, area{};
    GetWindowRect(dialog, &frame);
    const HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner && IsWindowVisible(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(dialog, nullptr, std::max(x, 0), std::max(y, 0), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ravix::win
