#include "win/dialogs/DialogDrawing.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace ravix::win {
namespace {

RECT ClientRectOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

}  // namespace

SkinnedCanvas::SkinnedCanvas(HWND window, HDC target, HBITMAP background, const SkinTextColour& textColour,
                             HFONT captionFont, HBRUSH missing)
    : m_client(ClientRectOf(window)), m_surface(target, &m_client), m_painted(background != nullptr) {
    if (!m_painted) {
        if (missing) FillRect(m_surface, &m_client, missing);
        return;
    }
    DrawBitmap(m_surface, 0, 0, m_client.right, m_client.bottom, background);
    SetBkMode(m_surface, TRANSPARENT);
    SetTextColor(m_surface, static_cast<COLORREF>(ColourRefOf(textColour)));
    m_font.emplace(m_surface.Dc(), captionFont);
}

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

void TrackHover(HWND window) {
    TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, window, 10};
    TrackMouseEvent(&track);
}

void ScrollListByWheel(HWND list, WPARAM wheel) {
    constexpr int kLinesPerNotch = 3;
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const int step = GET_WHEEL_DELTA_WPARAM(wheel) > 0 ? -kLinesPerNotch : kLinesPerNotch;
    SendMessageW(list, LB_SETTOPINDEX, std::max(0, top + step), 0);
}

std::wstring ListEntryText(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
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
