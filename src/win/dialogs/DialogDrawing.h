#pragma once

#include <windows.h>

#include <string>

#include "core/dialogs/ColourControls.h"

namespace ravix::win {

inline RECT ToRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

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
