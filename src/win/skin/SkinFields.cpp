#include "win/skin/SkinFields.h"

#include <vector>

#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinButtons.h"

namespace ravix::win {
namespace {

constexpr wchar_t kSkinChildClass[] = L"RavixSkinControl";
constexpr UINT kEditId = 401;

UniqueGdi<HFONT> FieldFont() {
    return UniqueGdi<HFONT>(CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, 0x30, L"Arial"));
}

std::wstring WindowText(HWND hwnd) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1);
    GetWindowTextW(hwnd, buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

}  // namespace

UINT BitmapEditKillFocusMessage() {
    static const UINT message = RegisterWindowMessageW(L"BitmapEdit_KillFocus");
    return message;
}

HWND CreateSkinChild(HWND parent, const RECT& rect, UINT id, DWORD style) {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kSkinChildClass;
        return RegisterClassExW(&wc);
    }();
    if (!atom) return nullptr;
    return CreateWindowExW(0, kSkinChildClass, L"", style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

CBmpEdit::CBmpEdit() : m_font(FieldFont()) {}

bool CBmpEdit::Attach(HWND edit) {
    if (!SubclassWindow(edit)) return false;
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
    return true;
}

void CBmpEdit::SetColours(COLORREF text, COLORREF background) {
    m_text = text;
    m_background = background;
    m_brush.Reset();  // made again in the new colour at the next paint
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CBmpEdit::PreTranslateMessage(MSG* msg) {
    // Swallowed before translation, so that the key makes no character either.
    return m_decimalOnly && msg->message == WM_KEYDOWN && msg->hwnd == m_hWnd &&
           !IsDecimalFieldKey(static_cast<unsigned>(msg->wParam));
}

void CBmpEdit::OnTextChanged() {
    if (m_decimalOnly) {
        if (const auto corrected = DecimalFieldCorrection(WindowText(m_hWnd))) {
            SetWindowTextW(m_hWnd, corrected->c_str());
        }
    }
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PostMessageW(GetParent(m_hWnd), BitmapEditKillFocusMessage(), 0, 0);
}

bool CBmpEdit::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_ERASEBKGND) return false;
    result = TRUE;
    return true;
}

bool CBmpEdit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            if (!m_brush) m_brush.Reset(CreateSolidBrush(m_background));
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, m_text);
            SetBkColor(dc, m_background);
            result = reinterpret_cast<LRESULT>(m_brush.Get());
            return true;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) {
                OnTextChanged();
                return true;
            }
            if (HIWORD(wParam) == EN_KILLFOCUS) {
                PostMessageW(GetParent(m_hWnd), BitmapEditKillFocusMessage(), 1, 0);
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool CSpinWnd::Create(HWND parent, const RECT& rect) {
    m_rect = rect;
    HWND hwnd = CreateSkinChild(parent, rect, id);
    if (!hwnd || !SubclassWindow(hwnd)) return false;
    if (!owner) owner = parent;
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER, 0,
                                0, 57, 17, hwnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!edit || !m_edit.Attach(edit)) return false;
    m_edit.SetColours(0xFFFFFF, 0x000000);
    m_edit.SetDecimalOnly(decimalOnly);
    return true;
}

void CSpinWnd::SetSkin(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled) {
    const WindowDc screen(nullptr);
    const HBITMAP sheets[4] = {normal, over, down, disabled};
    for (int i = 0; i < 4; ++i) CropBitmap(screen.Get(), m_looks[i], sheets[i], m_rect);
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CSpinWnd::ReplaceText(const std::wstring& text) {
    HWND edit = m_edit.GetSafeHwnd();
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CSpinWnd::SetValue(int value) {
    m_value = value;
    const std::wstring text = std::to_wstring(value);
    if (m_edit.GetSafeHwnd() && WindowText(m_edit.GetSafeHwnd()) != text) ReplaceText(text);
}

void CSpinWnd::Normalise() {
    const SpinOutcome outcome = NormaliseSpinText(WindowText(m_edit.GetSafeHwnd()), range);
    m_value = outcome.value;
    if (outcome.correction) ReplaceText(*outcome.correction);
    if (owner) PostMessageW(owner, WM_SPIN_CHANGED, static_cast<WPARAM>(m_value), static_cast<LPARAM>(id));
}

bool CSpinWnd::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == BitmapEditKillFocusMessage()) {
        Normalise();
        result = 0;
        return true;
    }
    if (message == WM_ERASEBKGND) {
        result = TRUE;
        return true;
    }
    if (message == WM_PAINT) {
        const PaintDc paint(m_hWnd);
        RECT client{};
        GetClientRect(m_hWnd, &client);
        DrawBitmap(paint.Get(), 0, 0, client.right, client.bottom, m_looks[0].Get());
        result = 0;
        return true;
    }
    return false;
}

bool CTextLabel::Create(HWND parent, const RECT& rect, UINT id) {
    HWND hwnd = CreateSkinChild(parent, rect, id);
    return hwnd && SubclassWindow(hwnd);
}

void CTextLabel::SetText(const std::wstring& text) {
    m_text = text;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTextLabel::SetBackground(COLORREF colour) {
    m_background = colour;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTextLabel::SetLeftAligned(bool left) {
    m_left = left;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTextLabel::Paint(HDC dc) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    MemorySurface picture;
    if (!picture.Create(dc, client.right, client.bottom)) return;
    const UniqueBrush brush(CreateSolidBrush(m_background));
    FillRect(picture.Dc(), &client, brush.Get());
    SetBkMode(picture.Dc(), TRANSPARENT);
    SetTextColor(picture.Dc(), 0xFFFFFF);
    const UniqueGdi<HFONT> font = FieldFont();
    {
        const SelectedObject selected(picture.Dc(), font.Get());
        DrawTextW(picture.Dc(), m_text.c_str(), -1, &client,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (m_left ? DT_LEFT : DT_CENTER));
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, picture.Dc(), 0, 0, SRCCOPY);
}

bool CTextLabel::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_ERASEBKGND) {
        result = TRUE;
        return true;
    }
    if (message != WM_PAINT) return false;
    const PaintDc paint(m_hWnd);
    Paint(paint.Get());
    result = 0;
    return true;
}

}  // namespace ravix::win
