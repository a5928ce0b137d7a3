#pragma once

namespace ravix {

// A point in the main window's client area, in pixels.
struct ClientPoint {
    int x = 0, y = 0;
    bool operator==(const ClientPoint&) const = default;
};

// A rectangle of the main window's client area: left and top inside, right and bottom outside.
struct ClientRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ClientRect&) const = default;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(ClientPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};

// A rectangle given by its edges' distances from an origin, such as a section body's top-left
// corner.
constexpr ClientRect RectAt(ClientPoint origin, int left, int top, int right, int bottom) {
    return {origin.x + left, origin.y + top, origin.x + right, origin.y + bottom};
}

}  // namespace ravix
