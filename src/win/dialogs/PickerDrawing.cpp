// The off-screen section and the drawing the colour picker controls share.
#include "win/dialogs/ColourPicker.h"

#include <windowsx.h>

#include <algorithm>

namespace ravix::win {

bool DibSurface::Create(int width, int height) {
    Release();
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_dc.Reset(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    if (m_dc) m_bitmap.Reset(CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_bitmap) {
        Release();
        return false;
    }
    m_pixels = static_cast<DibPixel*>(bits);
    m_selection.emplace(m_dc.Get(), m_bitmap.Get());
    m_width = width;
    m_height = height;
    return true;
}

void DibSurface::Release() {
    m_selection.reset();
    m_bitmap.Reset();
    m_dc.Reset();
    m_pixels = nullptr;
    m_width = m_height = 0;
}

std::span<DibPixel> DibSurface::Row(int y) {
    if (!m_pixels || y < 0 || y >= m_height) return {};
    return {m_pixels + static_cast<std::ptrdiff_t>(y) * m_width, static_cast<std::size_t>(m_width)};
}

void DibSurface::Fill(const PixelRect& rect, DibPixel pixel) {
    GdiFlush();
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, m_height); ++y) {
        std::span<DibPixel> row = Row(y);
        for (int x = std::max(rect.left, 0); x < std::min(rect.right, m_width); ++x) row[static_cast<std::size_t>(x)] = pixel;
    }
}

void DibSurface::CopyTo(HDC target) const {
    if (m_dc) BitBlt(target, 0, 0, m_width, m_height, m_dc.Get(), 0, 0, SRCCOPY);
}

void GTDrawHelper::Frame(HDC dc, const RECT& rect, unsigned flags) {
    const UniqueBrush line(CreateSolidBrush(kFrameColour));
    FrameRect(dc, &rect, line.Get());
    if (flags & kInnerFrame) {
        const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

void GTDrawHelper::ArrowTriangle(HDC dc, int x, int y, int direction, int size, COLORREF pen, COLORREF fill) {
    const int d = size - 1;
    POINT p[3] = {{x, y}, {x, y}, {x, y}};
    switch (direction) {
        case 1: p[1] = {x - d, y - d}, p[2] = {x - d, y + d}; break;  // pointing right
        case 2: p[1] = {x + d, y - d}, p[2] = {x + d, y + d}; break;  // pointing left
        case 3: p[1] = {x - d, y - d}, p[2] = {x + d, y - d}; break;  // pointing down
        case 4: p[1] = {x - d, y + d}, p[2] = {x + d, y + d}; break;  // pointing up
        case 5: p[1] = {x - d, y}, p[2] = {x, y - d}; break;
        case 6: p[1] = {x + d, y}, p[2] = {x, y - d}; break;
        case 7: p[1] = {x - d, y}, p[2] = {x, y + d}; break;
        case 8: p[1] = {x + d, y}, p[2] = {x, y + d}; break;
        default: return;
    }
    const UniqueGdi<HPEN> outline(CreatePen(PS_SOLID, 1, pen));
    const UniqueBrush inside(CreateSolidBrush(fill));
    const SelectedObject selectedPen(dc, outline.Get()), selectedBrush(dc, inside.Get());
    Polygon(dc, p, 3);
}

HWND CreatePickerChild(const RECT& rect, HWND parent, UINT id, DWORD style) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"RavixColourPicker";
        return RegisterClassExW(&wc);
    }();
    if (!atom) return nullptr;
    return CreateWindowExW(0, L"RavixColourPicker", L"", style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

PixelPoint PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

void SendColorChange(HWND target, HWND sender, UINT id, LONG value) {
    if (!target || id == 0) return;
    ColorChangeRecord record{sender, id, value};
    SendMessageW(target, WM_COLOR_CHANGE, id, reinterpret_cast<LPARAM>(&record));
}

}  // namespace ravix::win
