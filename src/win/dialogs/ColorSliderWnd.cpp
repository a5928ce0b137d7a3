// The colour strip: shows the range of the plane's fixed component, follows the pointer and the
// keys, and sends its value to the plane.
#include <algorithm>
#include <array>

#include "win/dialogs/ColourPicker.h"
#include "win/platform/PixelRects.h"

namespace ravix::win {
namespace {

constexpr COLORREF kMarkerRed = 0x0000FF, kMarkerYellow = 0x00FFFF;

}  // namespace

bool GTColorSliderWnd::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    m_style = style & 0xFFFF;
    HWND hwnd = CreatePickerChild(rect, parent, id, (style & 0xFFFF0000) | WS_CHILD);
    if (!hwnd || !SubclassWindow(hwnd)) return false;
    OnSize(0, 0);
    return true;
}

bool GTColorSliderWnd::SetMode(int modeWithFlag) {
    const auto settings = SliderSettingsFor(modeWithFlag);
    if (!settings) return false;
    m_settings = *settings;
    m_value = InitialSliderValue(m_settings);
    m_otherX = m_otherY = 0;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
    return true;
}

void GTColorSliderWnd::SendValue() {
    const HWND target = m_plane ? m_plane->GetSafeHwnd() : GetParent(m_hWnd);
    SendColorChange(target, m_hWnd, static_cast<UINT>(GetDlgCtrlID(m_hWnd)), m_value);
}

bool GTColorSliderWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using S = GTColorSliderWnd;
    static constexpr std::array<MessageEntry<S>, 12> kTable = {{
        OnMessageEntry<S>(WM_PAINT, &S::OnPaint),
        OnMessageEntry<S>(WM_ERASEBKGND, &S::OnEraseBackground),
        OnMessageEntry<S>(WM_SIZE, &S::OnSize),
        OnMessageEntry<S>(WM_LBUTTONDOWN, &S::OnButtonDown),
        OnMessageEntry<S>(WM_MOUSEMOVE, &S::OnMouseMove),
        OnMessageEntry<S>(WM_LBUTTONUP, &S::OnButtonUp),
        OnMessageEntry<S>(WM_KEYDOWN, &S::OnKeyDown),
        OnMessageEntry<S>(WM_GETDLGCODE, &S::OnGetDlgCode),
        OnMessageEntry<S>(WM_SETFOCUS, &S::OnFocus),
        OnMessageEntry<S>(WM_KILLFOCUS, &S::OnFocus),
        OnMessageEntry<S>(WM_COLOR_CHANGE, &S::OnColorChange),
        OnMessageEntry<S>(WM_CAPTURECHANGED, &S::OnCaptureChanged),
    }};
    return DispatchMessageTable<S>(*this, kTable, message, wParam, lParam, result);
}

LRESULT GTColorSliderWnd::OnSize(WPARAM, LPARAM) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    m_geometry = StripGeometryOf(client.right, client.bottom, m_style, m_markerSize);
    // An empty client area or a strip too short for a track draws nothing and accepts nothing.
    if (!m_surface.Create(client.right, client.bottom) || m_geometry.Length() <= 0) {
        m_surface.Release();
        m_colours.clear();
        return 0;
    }
    m_colours.assign(static_cast<std::size_t>(m_geometry.Length()) + 1, 0);
    return 0;
}

void GTColorSliderWnd::Paint(HDC target) {
    const StripGeometry& g = m_geometry;
    const RECT client{0, 0, m_surface.Width(), m_surface.Height()};
    m_surface.Fill({0, 0, client.right, client.bottom}, 0x282828);
    GTDrawHelper::Frame(m_surface.Dc(), client, 6);
    StripColours(m_colours, m_settings.mode, m_otherX, m_otherY);
    if (StripDrawnReversed(m_style, m_settings.reversed)) std::ranges::reverse(m_colours);
    GdiFlush();
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        const int at = static_cast<int>(i);
        const PixelRect line = g.vertical ? PixelRect{g.track.left, g.track.bottom - at, g.track.right, g.track.bottom - at + 1}
                                          : PixelRect{g.track.left + at, g.track.top, g.track.left + at + 1, g.track.bottom};
        m_surface.Fill(line, m_colours[i]);
    }
    DrawMarkers(m_surface.Dc());
    if (GetFocus() == m_hWnd) {
        const RECT inner = ToRect(g.inner);
        DrawFocusRect(m_surface.Dc(), &inner);
    }
    m_surface.CopyTo(target);
}

void GTColorSliderWnd::DrawMarkers(HDC dc) {
    const StripGeometry& g = m_geometry;
    const int along = SliderOffsetOf(m_value, g.Length(), m_settings);
    const int size = m_markerSize;
    if (g.vertical) {
        const int y = g.track.top + along;
        if (m_style & kStripMarkersBefore) GTDrawHelper::ArrowTriangle(dc, g.track.left - 2, y, 1, size, kMarkerRed, kMarkerRed);
        if (m_style & kStripMarkersAfter) GTDrawHelper::ArrowTriangle(dc, g.track.right + 1, y, 2, size, kMarkerRed, kMarkerRed);
        return;
    }
    const int x = g.track.left + along;
    if (m_style & kStripMarkersBefore) GTDrawHelper::ArrowTriangle(dc, x, g.track.top - 2, 3, size, kMarkerYellow, kMarkerYellow);
    if (m_style & kStripMarkersAfter) GTDrawHelper::ArrowTriangle(dc, x, g.track.bottom + 1, 4, size, kMarkerRed, kMarkerRed);
}

LRESULT GTColorSliderWnd::OnPaint(WPARAM, LPARAM) {
    const PaintDc paint(m_hWnd);
    if (Usable()) Paint(paint.Get());
    return 0;
}

LRESULT GTColorSliderWnd::OnFocus(WPARAM, LPARAM) {
    InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

void GTColorSliderWnd::SetValueFromPointer(LPARAM lParam) {
    const PixelPoint p = PointOf(lParam);
    const int offset = m_geometry.vertical ? p.y - m_geometry.track.top : p.x - m_geometry.track.left;
    const int value = SliderValueAt(offset, m_geometry.Length(), m_settings);
    if (value == m_value) return;
    m_value = value;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    SendValue();
    UpdateWindow(m_hWnd);
}

LRESULT GTColorSliderWnd::OnButtonDown(WPARAM, LPARAM lParam) {
    if (!Usable()) return 0;
    const PixelPoint p = PointOf(lParam);
    const PixelRect& t = m_geometry.track;
    if (p.x < t.left || p.x > t.right || p.y < t.top || p.y > t.bottom) return 0;
    SetCapture(m_hWnd);
    m_dragging = true;
    SetValueFromPointer(lParam);
    return 0;
}

LRESULT GTColorSliderWnd::OnMouseMove(WPARAM, LPARAM lParam) {
    if (m_dragging) SetValueFromPointer(lParam);
    return 0;
}

LRESULT GTColorSliderWnd::OnButtonUp(WPARAM, LPARAM) {
    if (!m_dragging) return 0;
    m_dragging = false;
    ReleaseCapture();
    SendValue();
    return 0;
}

LRESULT GTColorSliderWnd::OnCaptureChanged(WPARAM, LPARAM) {
    m_dragging = false;
    return 0;
}

LRESULT GTColorSliderWnd::OnKeyDown(WPARAM wParam, LPARAM) {
    if (m_dragging || !Usable() || wParam < KeyPageUp || wParam > KeyDown) return 0;
    const int value = SliderAfterKey(static_cast<unsigned>(wParam), m_value, m_settings);
    if (value == m_value) return 0;
    m_value = value;
    SendValue();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

LRESULT GTColorSliderWnd::OnColorChange(WPARAM, LPARAM lParam) {
    const auto* record = reinterpret_cast<const ColorChangeRecord*>(lParam);
    if (!record || !m_plane || record->sender != m_plane->GetSafeHwnd()) return 0;
    const ModeRanges ranges = RangesOf(m_settings.mode);
    const PlanePosition position = m_plane->Position();
    if (position.x >= 0 && position.x <= ranges.x) m_otherX = position.x;
    if (position.y >= 0 && position.y <= ranges.y) m_otherY = position.y;
    m_value = SliderValueForFixed(position.fixed, m_settings);
    InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

}  // namespace ravix::win
