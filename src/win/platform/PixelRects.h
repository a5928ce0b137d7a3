#pragma once

#include <windows.h>

#include "core/geometry/PixelGeometry.h"

namespace ravix::win {

// The core's rectangles as the system's, and back.
inline RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline PixelRect PixelRectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace ravix::win
