#pragma once

#include "core/geometry/PixelGeometry.h"

namespace ravix {

// Points and rectangles of the main window's client area.
using ClientPoint = PixelPoint;
using ClientRect = PixelRect;

// A rectangle given by its edges' distances from an origin, such as a section body's top-left
// corner.
constexpr ClientRect RectAt(ClientPoint origin, int left, int top, int right, int bottom) {
    return {origin.x + left, origin.y + top, origin.x + right, origin.y + bottom};
}

}  // namespace ravix
