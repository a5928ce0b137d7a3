#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/dialogs/ColourControls.h"
#include "core/dialogs/ColourRamps.h"
#include "win/framework/MessageMap.h"
#include "win/framework/Wnd.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// The colour plane, the colour strip and the colour well keep each other in step with this message,
// sent (never posted) with wParam the sender's control identifier and lParam a ColorChangeRecord.
inline constexpr UINT WM_COLOR_CHANGE = 0x050E;
// What the well posts its parent when the plane's colour changed.
inline constexpr UINT WM_WELL_COLOUR = 0x045B;

struct ColorChangeRecord {
    HWND sender;
    UINT id;
    LONG value;  // a colour from the plane, the strip's value from the strip
};

// A 32-bit top-down section of a control's size, drawn on through its pixels or its surface.
class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface() { Release(); }

    // False, with nothing held, for an empty size.
    bool Create(int width, int height);
    void Release();
    explicit operator bool() const { return m_dc.Valid(); }
    HDC Dc() const { return m_dc.Get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    std::span<DibPixel> Row(int y);
    void Fill(const PixelRect& rect, DibPixel pixel);
    void CopyTo(HDC target) const;

private:
    UniqueDc m_dc;
    UniqueBitmap m_bitmap;
    std::optional<SelectedObject> m_selection;  // the section in the DC, undone before both go
    DibPixel* m_pixels = nullptr;
    int m_width = 0, m_height = 0;
};

// Drawing shared by the picker controls.
struct GTDrawHelper {
    static constexpr COLORREF kFrameColour = 0x282828;
    static constexpr unsigned kInnerFrame = 4;
    // The frame line around `rect`; with kInnerFrame a black rectangle one pixel inside as well.
    static void Frame(HDC dc, const RECT& rect, unsigned flags);
    // A filled triangle with its tip at (x, y) and its base size - 1 pixels away, pointing in one of
    // eight directions: 1 right, 2 left, 3 down, 4 up, 5 down-right, 6 down-left, 7 up-right,
    // 8 up-left (the way the tip points). Any other direction draws nothing.
    static void ArrowTriangle(HDC dc, int x, int y, int direction, int size, COLORREF pen, COLORREF fill);
};

class GTColorSliderWnd;
class GTColorWellWnd;

// The two-dimensional plane: every colour reachable by varying two components with the third held.
class GTColorSelectorWnd : public CWnd {
public:
    ~GTColorSelectorWnd() override;
    // A visible child with identifier 100, in the red-fixed mode until the owner sets its own.
    bool Create(const RECT& rect, HWND parent, UINT id = 100);
    void SetMode(ColourMode mode);
    void SetColour(Colour colour);
    Colour GetColour() const { return m_colour; }
    ColourMode Mode() const { return m_mode; }
    PlanePosition Position() const { return m_position; }
    ModeRanges Ranges() const { return m_ranges; }
    void Link(GTColorSliderWnd* strip, GTColorWellWnd* well) { m_strip = strip, m_well = well; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return TRUE; }
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnButtonDown(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnButtonUp(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return 0x83; }
    LRESULT OnColorChange(WPARAM, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);

    void Render();
    void MoveTo(PlanePosition position);
    void SendColour();
    bool Usable() const { return static_cast<bool>(m_surface) && !m_plane.Empty(); }

    ColourMode m_mode = ColourMode::HueFixed;
    ModeRanges m_ranges = RangesOf(ColourMode::HueFixed);
    PlanePosition m_position;
    Colour m_colour = 0;
    GTColorSliderWnd* m_strip = nullptr;
    GTColorWellWnd* m_well = nullptr;
    bool m_renderNeeded = true, m_dragging = false;
    PixelRect m_plane;
    DibSurface m_surface;
    std::vector<DibPixel> m_planePixels;
};

// The one-dimensional strip that sets the plane's fixed component.
class GTColorSliderWnd : public CWnd {
public:
    // `style` carries the strip's own flags (see ColourControls.h) in its low word.
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    bool SetMode(int modeWithFlag);
    int Value() const { return m_value; }
    const SliderSettings& Settings() const { return m_settings; }
    const StripGeometry& Geometry() const { return m_geometry; }
    void Link(GTColorSelectorWnd* plane) { m_plane = plane; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBackground(WPARAM, LPARAM) { return TRUE; }
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnButtonDown(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnButtonUp(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return 0x83; }
    LRESULT OnFocus(WPARAM, LPARAM);
    LRESULT OnColorChange(WPARAM, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);

    void Paint(HDC dc);
    void DrawMarkers(HDC dc);
    void SetValueFromPointer(LPARAM lParam);
    void SendValue();
    bool Usable() const { return static_cast<bool>(m_surface) && m_geometry.Length() > 0; }

    unsigned m_style = 0;
    SliderSettings m_settings;
    int m_value = 0, m_markerSize = 6;
    int m_otherX = 0, m_otherY = 0;
    GTColorSelectorWnd* m_plane = nullptr;
    bool m_dragging = false;
    StripGeometry m_geometry;
    std::vector<DibPixel> m_colours;
    DibSurface m_surface;
};

// The swatch that shows the plane's colour and tells its parent.
class GTColorWellWnd : public CWnd {
public:
    bool Create(const RECT& rect, HWND parent, UINT id);
    Colour GetColour() const { return m_colour; }
    void Link(GTColorSelectorWnd* plane) { m_plane = plane; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Paint(HDC dc);
    Colour m_colour = 0;
    GTColorSelectorWnd* m_plane = nullptr;
};

// A registered child-window class of the picker controls.
HWND CreatePickerChild(const RECT& rect, HWND parent, UINT id, DWORD style);

// The pointer position a mouse message carries.
PixelPoint PointOf(LPARAM lParam);

// Sends the colour-change message for a control; nothing for control identifier 0.
void SendColorChange(HWND target, HWND sender, UINT id, LONG value);

}  // namespace ravix::win
