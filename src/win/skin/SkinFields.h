#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "core/skin/SkinnedFields.h"
#include "win/framework/Wnd.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// The registered message a CBmpEdit sends its parent after every change (wParam 0) and when it
// loses the focus (wParam 1).
UINT BitmapEditKillFocusMessage();

// What a CSpinWnd posts its owner on every change: wParam the value, lParam its identifier.
inline constexpr UINT WM_SPIN_CHANGED = 0x045A;

// A child window of the skin controls' own class, with no look of its own.
HWND CreateSkinChild(HWND parent, const RECT& rect, UINT id, DWORD style = WS_CHILD | WS_VISIBLE);

// A single-line edit field with its own colours and font that can be limited to numbers.
class CBmpEdit : public CWnd {
public:
    CBmpEdit();
    bool Attach(HWND edit);
    void SetColours(COLORREF text, COLORREF background);
    void SetDecimalOnly(bool decimalOnly) { m_decimalOnly = decimalOnly; }
    bool PreTranslateMessage(MSG* msg) override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnTextChanged();
    COLORREF m_text = 0x242424, m_background = 0xFFFFFF;
    UniqueBrush m_brush;  // the background's brush, made at the first paint in its colour
    UniqueGdi<HFONT> m_font;
    bool m_decimalOnly = false;
};

// A numeric field drawn on a piece of the owner's skin: keeps its value inside a range, on a step,
// and tells its owner every change.
class CSpinWnd : public CWnd {
public:
    bool Create(HWND parent, const RECT& rect);
    void SetSkin(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled);
    void SetValue(int value);
    int Value() const { return m_value; }
    HWND Edit() const { return m_edit.GetSafeHwnd(); }

    UINT id = 0;
    HWND owner = nullptr;
    bool decimalOnly = false;
    SpinRange range;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Normalise();
    void ReplaceText(const std::wstring& text);
    int m_value = 0;
    RECT m_rect{};
    std::array<UniqueBitmap, 4> m_looks;
    CBmpEdit m_edit;
};

// A one-line text label drawn off-screen in white on its background colour.
class CTextLabel : public CWnd {
public:
    bool Create(HWND parent, const RECT& rect, UINT id = 0);
    void SetText(const std::wstring& text);
    void SetBackground(COLORREF colour);
    void SetLeftAligned(bool left);
    const std::wstring& Text() const { return m_text; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint(HDC dc);
    std::wstring m_text;
    COLORREF m_background = 0;
    bool m_left = false;
};

}  // namespace ravix::win
