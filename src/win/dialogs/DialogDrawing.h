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

// Places a dialog of the given size over the middle of its owner, or of the screen's work area.
void CentreOverOwner(HWND dialog);

}  // namespace ravix::win
