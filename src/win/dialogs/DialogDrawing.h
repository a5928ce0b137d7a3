#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/dialogs/ColourControls.h"
#include "core/skin/SkinPaths.h"
#include "win/platform/PixelRects.h"
#include "win/platform/UniqueResources.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {

// The start of a skinned dialog's paint, undone when it goes: an off-screen surface over the
// window's client area with the background picture on it, and transparent text in the skin's
// colour with the caption font. Without a background the area is filled with `missing` (or left
// as it is, for none) and Painted() is false: the dialog draws nothing more.
class SkinnedCanvas {
public:
    SkinnedCanvas(HWND window, HDC target, HBITMAP background, const SkinTextColour& textColour, HFONT captionFont,
                  HBRUSH missing = nullptr);
    SkinnedCanvas(const SkinnedCanvas&) = delete;
    SkinnedCanvas& operator=(const SkinnedCanvas&) = delete;

    operator HDC() const { return m_surface.Dc(); }
    bool Painted() const { return m_painted; }
    const RECT& Client() const { return m_client; }

private:
    RECT m_client{};
    XCMemDC m_surface;
    bool m_painted = false;
    std::optional<SelectedObject> m_font;
};

// One line of caption in its rectangle, with DT_ alignment flags.
void DrawCaption(HDC dc, const std::wstring& text, const PixelRect& rect, UINT alignment);

// A caption wrapped at word breaks and centred vertically in its rectangle.
void DrawWrappedCaption(HDC dc, const std::wstring& text, const PixelRect& rect);

// Lets the pointer's resting on a window be reported (WM_MOUSEHOVER after 10 ms), and its leaving.
void TrackHover(HWND window);

// A wheel turn (WM_MOUSEWHEEL's wParam) scrolls a list by three lines a notch: up for a turn away.
void ScrollListByWheel(HWND list, WPARAM wheel);

// The text of a list box's entry; empty when there is no such entry.
std::wstring ListEntryText(HWND list, int index);

// Places a dialog of the given size over the middle of its owner, or of the screen's work area.
void CentreOverOwner(HWND dialog);

}  // namespace ravix::win
