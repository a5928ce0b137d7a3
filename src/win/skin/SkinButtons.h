#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "win/framework/Wnd.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {

// A memory surface with a bitmap of its own selected into it.
class MemorySurface {
public:
    MemorySurface() = default;
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;
    ~MemorySurface() { Release(); }

    bool Create(HDC reference, int width, int height);
    void Release();
    HDC Dc() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

// An owner-drawn button showing a resource PNG in pre-rendered looks; in this program the
// draggable thumb of the main window's right-hand panel. While dragged it posts the message it was
// given, with its new top, to the window it reports to.
class CGdipButton : public CWnd {
public:
    // Binds to a push button and makes it owner-drawn.
    bool Attach(HWND button);
    bool SetStdImage(UINT resourceId);
    bool SetAltImage(UINT resourceId);
    // Without a message the drag is reported to no one.
    void SetReportTarget(HWND target, UINT message) {
        m_target = target;
        m_reportMessage = message;
    }
    void EnableButton(bool enabled) { m_disabled = !enabled; }
    void SetToggle(bool toggle) { m_toggle = toggle; }

    // The thumb's latest top coordinate, kept for the main window.
    static int& PanelThumbTop();

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum Surface { Background, Standard, StandardPressed, StandardHot, Alternate, AlternatePressed, AlternateHot, Grey };
    void RenderSurfaces(HDC dc);
    void RenderImage(Surface target, Gdiplus::Bitmap* image, int offset, const Gdiplus::ColorMatrix* matrix);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void Drag();

    bool m_dragging = false;
    POINT m_last{};
    bool m_hasAlternate = false, m_ready = false, m_disabled = false, m_toggle = false;
    bool m_hovering = true, m_tracking = false;
    int m_current = 0;
    std::unique_ptr<CGdiPlusBitmapResource> m_alternate, m_standard;
    std::array<MemorySurface, 8> m_surfaces;
    int m_currentSurface = -1;
    HWND m_target = nullptr;
    UINT m_reportMessage = 0;
    SIZE m_size{};
};

// An owner-drawn button whose four looks are cut from skin sheets, with an optional caption.
class CBitmapBtn : public CWnd {
public:
    ~CBitmapBtn() override;
    bool Attach(HWND button);
    // Each look becomes the sheet's piece under `rect`; no border, no tab stop.
    void SetSkin(HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled, const RECT& rect);

    std::wstring caption;
    std::wstring fontFace = L"MetroDF Velmar Edition";
    int fontHeight = 23, fontWidth = 0;
    COLORREF normalText = 0xF5F5F5, hoverText = 0x0000FF, disabledText = 0x969696, pressedText = 0x0000FF;
    bool Hovering() const { return m_hovering; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    void TrackHover(WPARAM keys, LPARAM position);
    std::array<HBITMAP, 4> m_looks{};  // normal, over, down, disabled
    bool m_hovering = false;
};

}  // namespace ravix::win
