// The colour well: shows the plane's colour and tells the dialog when it changed.
#include "win/dialogs/ColourPicker.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {

bool GTColorWellWnd::Create(const RECT& rect, HWND parent, UINT id) {
    HWND hwnd = CreatePickerChild(rect, parent, id, WS_CHILD | WS_VISIBLE);
    return hwnd && SubclassWindow(hwnd);
}

void GTColorWellWnd::Paint(HDC target) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    XCMemDC dc(target, &client);
    const RECT swatch{2, 2, client.right, client.bottom};
    const UniqueBrush brush(CreateSolidBrush(m_colour));
    FillRect(dc, &swatch, brush.Get());
    GTDrawHelper::Frame(dc, client, 6);
}

bool GTColorWellWnd::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_COLOR_CHANGE:
            if (m_plane) m_colour = m_plane->GetColour();
            PostMessageW(GetParent(m_hWnd), WM_WELL_COLOUR, 0, 0);
            InvalidateRect(m_hWnd, nullptr, FALSE);
            return true;
        case WM_ERASEBKGND:
            result = TRUE;
            return true;
        case WM_PAINT:
            Paint(PaintDc(m_hWnd).Get());
            return true;
        case WM_LBUTTONDOWN:
            // A press only takes the capture and the focus; the well changes nothing.
            SetCapture(m_hWnd);
            SetFocus(m_hWnd);
            return true;
        case WM_LBUTTONUP:
            if (GetCapture() == m_hWnd) ReleaseCapture();
            return true;
        default:
            return false;
    }
}

}  // namespace ravix::win
