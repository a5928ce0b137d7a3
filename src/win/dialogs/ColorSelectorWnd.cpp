// The colour plane: renders the colours of two components for the fixed third, follows the pointer
// and the arrow keys, and tells the strip, the well and its parent every change.
#include <algorithm>
#include <array>

#include "win/dialogs/ColourPicker.h"

namespace ravix::win {

GTColorSelectorWnd::~GTColorSelectorWnd() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

bool GTColorSelectorWnd::Create(const RECT& rect, HWND parent, UINT id) {
    HWND hwnd = CreatePickerChild(rect, parent, id, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    if (!hwnd || !SubclassWindow(hwnd)) return false;
    OnSize(0, 0);
    SetMode(ColourMode::RedFixed);
    UpdateWindow(hwnd);
    return true;
}

void GTColorSelectorWnd::SetMode(ColourMode mode) {
    m_mode = mode;
    m_ranges = RangesOf(mode);
    m_position = {};
    m_colour = PlaneColour(mode, m_position);
    m_renderNeeded = true;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void GTColorSelectorWnd::SetColour(Colour colour) {
    const PlanePosition position = PositionOfColour(m_mode, colour & 0xFFFFFF);
    if (position.fixed != m_position.fixed) m_renderNeeded = true;
    m_position = position;
    m_colour = PlaneColour(m_mode, m_position);
    SendColour();
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void GTColorSelectorWnd::MoveTo(PlanePosition position) {
    if (position == m_position) return;
    m_position = position;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    m_colour = PlaneColour(m_mode, m_position);
    SendColour();
}

void GTColorSelectorWnd::SendColour() {
    if (!m_hWnd) return;
    const UINT id = static_cast<UINT>(GetDlgCtrlID(m_hWnd));
    const LONG value = static_cast<LONG>(m_colour);
    if (m_strip) SendColorChange(m_strip->GetSafeHwnd(), m_hWnd, id, value);
    if (m_well) SendColorChange(m_well->GetSafeHwnd(), m_hWnd, id, value);
    SendColorChange(GetParent(m_hWnd), m_hWnd, id, value);
}

bool GTColorSelectorWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using P = GTColorSelectorWnd;
    static constexpr std::array<MessageEntry<P>, 11> kTable = {{
        OnMessageEntry<P>(WM_PAINT, &P::OnPaint),
        OnMessageEntry<P>(WM_ERASEBKGND, &P::OnEraseBackground),
        OnMessageEntry<P>(WM_SIZE, &P::OnSize),
        OnMessageEntry<P>(WM_LBUTTONDOWN, &P::OnButtonDown),
        OnMessageEntry<P>(WM_MBUTTONDOWN, &P::OnButtonDown),
        OnMessageEntry<P>(WM_MOUSEMOVE, &P::OnMouseMove),
        OnMessageEntry<P>(WM_LBUTTONUP, &P::OnButtonUp),
        OnMessageEntry<P>(WM_KEYDOWN, &P::OnKeyDown),
        OnMessageEntry<P>(WM_GETDLGCODE, &P::OnGetDlgCode),
        OnMessageEntry<P>(WM_COLOR_CHANGE, &P::OnColorChange),
        OnMessageEntry<P>(WM_CAPTURECHANGED, &P::OnCaptureChanged),
    }};
    return DispatchMessageTable<P>(*this, kTable, message, wParam, lParam, result);
}

LRESULT GTColorSelectorWnd::OnSize(WPARAM, LPARAM) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    // Without a surface (an empty client area) the plane draws nothing and accepts nothing.
    m_surface.Create(client.right, client.bottom);
    m_plane = m_surface ? PixelRect{1, 1, client.right - 1, client.bottom - 1} : PixelRect{};
    m_renderNeeded = true;
    return 0;
}

void GTColorSelectorWnd::Render() {
    const int w = m_plane.Width(), h = m_plane.Height();
    if (m_renderNeeded) {
        m_planePixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
        RenderPlane(m_planePixels, w, h, m_mode, m_position.fixed);
        m_renderNeeded = false;
    }
    GdiFlush();
    m_surface.Fill({0, 0, m_surface.Width(), m_surface.Height()}, 0);
    const RECT client{0, 0, m_surface.Width(), m_surface.Height()};
    GTDrawHelper::Frame(m_surface.Dc(), client, 6);
    GdiFlush();
    for (int y = 0; y < h; ++y) {
        const auto source = std::span<const DibPixel>(m_planePixels).subspan(static_cast<std::size_t>(y * w), w);
        std::ranges::copy(source, m_surface.Row(m_plane.top + y).begin() + m_plane.left);
    }
    const PixelPoint centre = MarkerCentre(m_plane, m_position, m_ranges);
    HDC dc = m_surface.Dc();
    const UniqueRegion clip(CreateRectRgn(m_plane.left, m_plane.top, m_plane.right, m_plane.bottom));
    SelectClipRgn(dc, clip.Get());  // the DC keeps a copy of the region
    const UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, 1, MarkerIsBlack(m_colour) ? 0x000000 : 0xFFFFFF));
    {
        const SelectedObject selectedPen(dc, pen.Get()), selectedBrush(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, centre.x - 5, centre.y - 5, centre.x + 6, centre.y + 6);
    }
    SelectClipRgn(dc, nullptr);
}

LRESULT GTColorSelectorWnd::OnPaint(WPARAM, LPARAM) {
    const PaintDc paint(m_hWnd);
    if (Usable()) {
        Render();
        m_surface.CopyTo(paint.Get());
    }
    return 0;
}

LRESULT GTColorSelectorWnd::OnButtonDown(WPARAM, LPARAM lParam) {
    if (!Usable()) return 0;
    const PixelPoint p = PointOf(lParam);
    if (p.x < m_plane.left || p.x > m_plane.right || p.y < m_plane.top || p.y > m_plane.bottom) return 0;
    SetFocus(m_hWnd);
    SetCapture(m_hWnd);
    m_dragging = true;
    return OnMouseMove(0, lParam);
}

LRESULT GTColorSelectorWnd::OnMouseMove(WPARAM, LPARAM lParam) {
    if (!m_dragging) return 0;
    if (const auto position = PositionAtPoint(m_plane, PointOf(lParam), m_position, m_ranges)) {
        MoveTo(*position);
        UpdateWindow(m_hWnd);
    }
    return 0;
}

LRESULT GTColorSelectorWnd::OnButtonUp(WPARAM, LPARAM) {
    if (!m_dragging) return 0;
    m_dragging = false;
    ReleaseCapture();
    m_colour = PlaneColour(m_mode, m_position);
    SendColour();
    return 0;
}

LRESULT GTColorSelectorWnd::OnCaptureChanged(WPARAM, LPARAM) {
    m_dragging = false;
    return 0;
}

LRESULT GTColorSelectorWnd::OnKeyDown(WPARAM wParam, LPARAM) {
    if (m_dragging || !Usable()) return 0;
    MoveTo(PlaneAfterKey(static_cast<unsigned>(wParam), m_position, m_ranges));
    return 0;
}

LRESULT GTColorSelectorWnd::OnColorChange(WPARAM, LPARAM lParam) {
    const auto* record = reinterpret_cast<const ColorChangeRecord*>(lParam);
    if (!record) return 0;
    std::optional<int> fixed = record->value;
    if (m_strip && record->sender == m_strip->GetSafeHwnd())
        fixed = FixedForSliderValue(record->value, m_strip->Settings(), m_ranges.fixed);
    if (!fixed || *fixed < 0 || *fixed > m_ranges.fixed) return 0;
    if (*fixed != m_position.fixed) m_renderNeeded = true;
    m_position.fixed = *fixed;
    m_colour = PlaneColour(m_mode, m_position);
    SendColour();
    InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

}  // namespace ravix::win
