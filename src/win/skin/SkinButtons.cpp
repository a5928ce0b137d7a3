#include "win/skin/SkinButtons.h"

#include "core/skin/SkinnedFields.h"

namespace ravix::win {

bool MemorySurface::Create(HDC reference, int width, int height) {
    Release();
    m_dc = CreateCompatibleDC(reference);
    m_bitmap = CreateCompatibleBitmap(reference, width, height);
    if (!m_dc || !m_bitmap) {
        Release();
        return false;
    }
    m_old = SelectObject(m_dc, m_bitmap);
    return true;
}

void MemorySurface::Release() {
    if (m_dc && m_old) SelectObject(m_dc, m_old);
    if (m_bitmap) DeleteObject(m_bitmap);
    if (m_dc) DeleteDC(m_dc);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_old = nullptr;
}

namespace {

void MakeOwnerDrawn(HWND button, LONG_PTR removeStyles) {
    LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(BS_TYPEMASK) & ~removeStyles) | BS_OWNERDRAW;
    SetWindowLongPtrW(button, GWL_STYLE, style);
    SetWindowPos(button, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

// Brightens the picture under the pointer: colour x 1.05 + 5 % of full scale.
const Gdiplus::ColorMatrix kHotMatrix = {{{1.05f, 0, 0, 0, 0},
                                          {0, 1.05f, 0, 0, 0},
                                          {0, 0, 1.05f, 0, 0},
                                          {0, 0, 0, 1, 0},
                                          {0.05f, 0.05f, 0.05f, 0, 1}}};
const Gdiplus::ColorMatrix kGreyMatrix = {{{0.30f, 0.30f, 0.30f, 0, 0},
                                           {0.59f, 0.59f, 0.59f, 0, 0},
                                           {0.11f, 0.11f, 0.11f, 0, 0},
                                           {0, 0, 0, 1, 0},
                                           {0, 0, 0, 0, 1}}};

}  // namespace

bool CGdipButton::Attach(HWND button) {
    if (!SubclassWindow(button)) return false;
    MakeOwnerDrawn(button, 0);
    RECT client{};
    GetClientRect(button, &client);
    m_size = {client.right, client.bottom};
    return true;
}

bool CGdipButton::SetStdImage(UINT resourceId) {
    m_standard = std::make_unique<CGdiPlusBitmapResource>();
    return m_standard->Load(resourceId);
}

bool CGdipButton::SetAltImage(UINT resourceId) {
    m_hasAlternate = true;
    m_alternate = std::make_unique<CGdiPlusBitmapResource>();
    return m_alternate->Load(resourceId);
}

int& CGdipButton::PanelThumbTop() {
    static int top = kThumbTopLimit;
    return top;
}

void CGdipButton::RenderImage(Surface target, Gdiplus::Bitmap* image, int offset,
                              const Gdiplus::ColorMatrix* matrix) {
    MemorySurface& surface = m_surfaces[target];
    if (!surface.Create(m_surfaces[Background].Dc(), m_size.cx, m_size.cy)) return;
    BitBlt(surface.Dc(), 0, 0, m_size.cx, m_size.cy, m_surfaces[Background].Dc(), 0, 0, SRCCOPY);
    if (!image) return;
    Gdiplus::Graphics graphics(surface.Dc());
    const INT w = static_cast<INT>(image->GetWidth()), h = static_cast<INT>(image->GetHeight());
    Gdiplus::ImageAttributes attributes;
    if (matrix) attributes.SetColorMatrix(matrix);
    graphics.DrawImage(image, Gdiplus::Rect(offset, offset, w, h), 0, 0, w, h, Gdiplus::UnitPixel,
                       matrix ? &attributes : nullptr);
}

void CGdipButton::RenderSurfaces(HDC dc) {
    if (m_ready || !m_standard || !m_standard->Bitmap()) return;
    if (!m_surfaces[Background]) {
        // The parent's pixels behind the button, taken once.
        HWND parent = GetParent(m_hWnd);
        HDC screen = GetDC(parent);
        RECT rect{};
        GetWindowRect(m_hWnd, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        if (m_surfaces[Background].Create(dc, m_size.cx, m_size.cy))
            BitBlt(m_surfaces[Background].Dc(), 0, 0, m_size.cx, m_size.cy, screen, rect.left, rect.top, SRCCOPY);
        ReleaseDC(parent, screen);
        if (!m_surfaces[Background]) return;
    }
    Gdiplus::Bitmap* standard = m_standard->Bitmap();
    RenderImage(Standard, standard, 0, nullptr);
    RenderImage(StandardPressed, standard, 0, nullptr);
    RenderImage(StandardHot, standard, 0, &kHotMatrix);
    RenderImage(Grey, standard, 0, &kGreyMatrix);
    if (m_hasAlternate && m_alternate && !m_surfaces[Alternate]) {
        Gdiplus::Bitmap* alternate = m_alternate->Bitmap();
        RenderImage(Alternate, alternate, 0, nullptr);
        RenderImage(AlternatePressed, alternate, 1, nullptr);
        RenderImage(AlternateHot, alternate, 0, &kHotMatrix);
    }
    if (m_currentSurface < 0) m_currentSurface = Standard;
    m_ready = true;
}

void CGdipButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (!m_ready) return;
    const bool pressed = item.itemState & ODS_SELECTED;
    int chosen;
    if (m_disabled) {
        chosen = Grey;
    } else {
        if (m_toggle && pressed && m_surfaces[Alternate]) m_current ^= 1;
        const bool alternate = m_current == 1 && m_surfaces[Alternate];
        if (pressed)
            chosen = alternate ? AlternatePressed : StandardPressed;
        else if (m_hovering)
            chosen = alternate ? AlternateHot : StandardHot;
        else
            chosen = alternate ? Alternate : Standard;
    }
    m_currentSurface = chosen;
    if (m_surfaces[chosen])
        BitBlt(item.hDC, 0, 0, m_size.cx, m_size.cy, m_surfaces[chosen].Dc(), 0, 0, SRCCOPY);
}

void CGdipButton::Drag() {
    POINT now{};
    GetCursorPos(&now);
    HWND parent = GetParent(m_hWnd);
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    if (const auto top = DraggedThumbTop(rect.left, rect.top, rect.bottom, now.y - m_last.y)) {
        MoveWindow(m_hWnd, rect.left, *top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        PanelThumbTop() = *top;
        if (m_reportMessage)
            PostMessageW(m_target ? m_target : GetAncestor(m_hWnd, GA_ROOT), m_reportMessage,
                         static_cast<WPARAM>(*top), 0);
    }
    m_last = now;
}

bool CGdipButton::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            m_dragging = true;
            GetCursorPos(&m_last);
            break;
        case WM_LBUTTONUP:
            m_dragging = false;
            break;
        case WM_MOUSEMOVE:
            if (!m_tracking) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof(track);
                track.dwFlags = TME_LEAVE | TME_HOVER;
                track.hwndTrack = m_hWnd;
                track.dwHoverTime = 1;
                m_tracking = TrackMouseEvent(&track) != FALSE;
            }
            if (m_dragging) Drag();
            break;
        case WM_MOUSEHOVER:
            m_hovering = true;
            InvalidateRect(m_hWnd, nullptr, FALSE);
            break;
        case WM_MOUSELEAVE:
            m_tracking = false;
            m_hovering = true;
            InvalidateRect(m_hWnd, nullptr, FALSE);
            break;
        default:
            break;
    }
    return false;  // the button's own processing follows in every case
}

bool CGdipButton::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORBTN) {
        RenderSurfaces(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
    }
    if (message == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

CBitmapBtn::~CBitmapBtn() {
    for (HBITMAP look : m_looks)
        if (look) DeleteObject(look);
}

bool CBitmapBtn::Attach(HWND button) {
    if (!SubclassWindow(button)) return false;
    MakeOwnerDrawn(button, WS_TABSTOP);
    return true;
}

void CBitmapBtn::SetSkin(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& rect) {
    HDC screen = GetDC(nullptr);
    const HBITMAP sheets[4] = {normal, over, down, disabled};
    for (int i = 0; i < 4; ++i) CropBitmap(screen, m_looks[i], sheets[i], rect);
    ReleaseDC(nullptr, screen);
    if (m_hWnd) {
        const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP);
        SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void CBitmapBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool disabled = item.itemState & ODS_DISABLED, pressed = item.itemState & ODS_SELECTED;
    HBITMAP look = disabled ? m_looks[3] : pressed ? m_looks[2] : m_hovering ? m_looks[1] : m_looks[0];
    RECT client{};
    GetClientRect(m_hWnd, &client);
    MemorySurface picture;
    if (!picture.Create(item.hDC, client.right, client.bottom)) return;
    if (look) {
        HDC source = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(source, look);
        BitBlt(picture.Dc(), 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    if (!caption.empty() && !disabled) {
        SetBkMode(picture.Dc(), TRANSPARENT);
        SetTextColor(picture.Dc(), m_hovering ? hoverText : pressed ? pressedText : normalText);
        const bool face = !fontFace.empty();
        HFONT font = CreateFontW(fontHeight, fontWidth, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 face ? ANSI_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 face ? DEFAULT_QUALITY : ANTIALIASED_QUALITY, face ? 0x20 : 0x0E, fontFace.c_str());
        HGDIOBJ oldFont = SelectObject(picture.Dc(), font);
        RECT text = {client.left + 5, client.top, client.right - 5, client.bottom};
        DrawTextW(picture.Dc(), caption.c_str(), -1, &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(picture.Dc(), oldFont);
        DeleteObject(font);
    }
    BitBlt(item.hDC, 0, 0, client.right, client.bottom, picture.Dc(), 0, 0, SRCCOPY);
}

void CBitmapBtn::TrackHover(WPARAM keys, LPARAM position) {
    if ((keys & MK_LBUTTON) && !m_hovering) return;  // a drag that started elsewhere does not light it
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    ClientToScreen(m_hWnd, &point);
    if (GetCapture() == m_hWnd) {
        if (WindowFromPoint(point) != m_hWnd) {
            if (m_hovering) {
                m_hovering = false;
                InvalidateRect(m_hWnd, nullptr, FALSE);
            }
            if (!(keys & MK_LBUTTON)) ReleaseCapture();
        }
    } else {
        m_hovering = true;
        SetCapture(m_hWnd);
        InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    if (HWND parent = GetParent(m_hWnd))
        SendMessageW(parent, WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
}

bool CBitmapBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_MOUSEMOVE:
            result = DefaultProc(message, wParam, lParam);
            TrackHover(wParam, lParam);
            return true;
        case WM_KILLFOCUS:
            m_hovering = false;
            InvalidateRect(m_hWnd, nullptr, FALSE);
            return false;
        case WM_CAPTURECHANGED:
            if (m_hovering) InvalidateRect(m_hWnd, nullptr, FALSE);
            return false;
        case WM_LBUTTONDOWN: {
            HWND owner = GetWindow(m_hWnd, GW_OWNER);
            if (!owner) owner = GetParent(m_hWnd);
            if (owner && GetActiveWindow() != GetAncestor(owner, GA_ROOT)) SetActiveWindow(GetAncestor(owner, GA_ROOT));
            return false;
        }
        default:
            return false;
    }
}

bool CBitmapBtn::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

}  // namespace ravix::win
