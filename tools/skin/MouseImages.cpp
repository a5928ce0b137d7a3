// The mouse seen from above and from its left side, and the call-outs that name and light each of
// its eight buttons: 1 left, 2 right, 3 wheel click, 4 and 5 wheel up and down, 6 the DPI button,
// 7 and 8 the side buttons.
#include <cmath>
#include <string>

#include "Draw.h"
#include "Images.h"

namespace skin {
namespace {

using namespace colour;

// Where the pictures lie in the main window; the call-outs are drawn in window coordinates.
constexpr double kFrontX = 335, kFrontY = 58;
constexpr double kSideX = 362, kSideY = 59;

struct Callout {
    int left, top, right, bottom;  // the overlay's rectangle in the window
    double dotX, dotY;             // the point on the mouse it names
};

constexpr Callout kFront[8] = {
    {335, 96, 429, 158, 412, 124}, {509, 97, 603, 159, 526, 124}, {467, 159, 603, 184, 476, 171},
    {334, 145, 477, 170, 469, 148}, {334, 169, 477, 194, 469, 183}, {467, 215, 603, 240, 469, 228},
    {334, 220, 399, 245, 388, 232}, {333, 257, 404, 282, 386, 269}};
constexpr Callout kSide[8] = {
    {360, 84, 467, 109, 446, 97},   {471, 92, 573, 150, 486, 121},  {501, 170, 574, 195, 510, 182},
    {359, 159, 500, 184, 497, 166}, {360, 186, 514, 211, 505, 200}, {523, 250, 572, 275, 530, 262},
    {357, 219, 475, 244, 463, 231}, {359, 265, 479, 290, 465, 277}};

void ShellPath(cairo_t* cr, double cx, double top, double halfWidth, double length) {
    // A symmetric, slightly waisted shell, nose up.
    const double l = cx - halfWidth, r = cx + halfWidth, bottom = top + length;
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, r - 10, top, r + 2, top + 40, r, top + 110);
    cairo_curve_to(cr, r - 2, top + 170, r - 12, top + 190, r - 10, top + 230);
    cairo_curve_to(cr, r - 8, top + 290, r - 10, bottom, cx, bottom);
    cairo_curve_to(cr, l + 10, bottom, l + 8, top + 290, l + 10, top + 230);
    cairo_curve_to(cr, l + 12, top + 190, l + 2, top + 170, l, top + 110);
    cairo_curve_to(cr, l - 2, top + 40, l + 10, top, cx, top);
    cairo_close_path(cr);
}

void ShellFill(cairo_t* cr, double x0, double x1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.14, 0.15, 0.17);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.24, 0.25, 0.28);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.12, 0.13, 0.15);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void Wheel(cairo_t* cr, double x, double y, double w, double h) {
    RoundedRect(cr, x - 2, y - 2, w + 4, h + 4, 5);
    Colour(cr, 0x0C0D0F);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 4);
    FillVertical(cr, x, y, w, h, 0x3A3E45, 0x2A2D33);
    for (double gy = y + 4; gy < y + h - 2; gy += 4) HLine(cr, x + 2, x + w - 2, gy, 0x17191C);
    RoundedRect(cr, x + w / 2 - 1, y + 2, 2, h - 4, 1);
    Colour(cr, kAccent, 0.9);
    cairo_fill(cr);
}

void Front(cairo_t* cr, int, int) {
    cairo_translate(cr, -kFrontX, -kFrontY);
    const double cx = 469, top = 78, half = 82, length = 330;
    Glow(cr, cx, top + length - 10, 110, 0x000000, 0.5);
    ShellPath(cr, cx, top, half, length);
    ShellFill(cr, cx - half, cx + half);
    Colour(cr, kAccent, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Button split and the line that ends the buttons.
    VLine(cr, cx, top + 2, top + 62, 0x0C0D0F);
    cairo_move_to(cr, cx - half + 6, top + 128);
    cairo_curve_to(cr, cx - 40, top + 142, cx + 40, top + 142, cx + half - 6, top + 128);
    Colour(cr, 0x0C0D0F);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Wheel(cr, cx - 7, top + 62, 14, 48);
    // DPI button behind the wheel.
    RoundedRect(cr, cx - 6, top + 142, 12, 16, 4);
    Colour(cr, 0x0C0D0F);
    cairo_fill(cr);
    RoundedRect(cr, cx - 4, top + 144, 8, 12, 3);
    Colour(cr, 0x3A3E45);
    cairo_fill(cr);
    // The side buttons show as two bumps on the left edge.
    for (double y : {232.0, 269.0}) {
        RoundedRect(cr, 386 - 4, y - 14, 7, 28, 3);
        Colour(cr, 0x3A3E45);
        cairo_fill(cr);
    }
    // Palm logo and a light strip at the tail.
    Text(cr, "V", cx, top + 262, 26, kAccent, true, Align::Centre);
    cairo_move_to(cr, cx - 36, top + 312);
    cairo_curve_to(cr, cx - 12, top + 322, cx + 12, top + 322, cx + 36, top + 312);
    Colour(cr, kAccent, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void Side(cairo_t* cr, int, int) {
    cairo_translate(cr, -kSideX, -kSideY);
    // The left side of the mouse, nose up: the base plate on the left, the shell's crest on the
    // right rising to the palm hump behind the wheel.
    const double base = 402;
    Glow(cr, 460, 380, 110, 0x000000, 0.5);
    cairo_move_to(cr, base, 100);
    cairo_curve_to(cr, base + 4, 84, base + 20, 78, 442, 78);
    cairo_curve_to(cr, 480, 80, 500, 110, 508, 152);
    cairo_curve_to(cr, 516, 190, 540, 220, 538, 268);
    cairo_curve_to(cr, 536, 330, 520, 396, 480, 404);
    cairo_curve_to(cr, 450, 408, 420, 404, base, 396);
    cairo_close_path(cr);
    ShellFill(cr, base, 540);
    Colour(cr, kAccent, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The base plate and the grip panel.
    RoundedRect(cr, base - 3, 98, 7, 296, 3);
    Colour(cr, 0x0C0D0F);
    cairo_fill(cr);
    RoundedRect(cr, 414, 200, 24, 170, 10);
    Colour(cr, 0x1A1C1F);
    cairo_fill(cr);
    // Seam under the main buttons.
    cairo_move_to(cr, 430, 92);
    cairo_curve_to(cr, 470, 110, 495, 150, 500, 214);
    Colour(cr, 0x0C0D0F);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The wheel stands out of the crest; the DPI button sits behind it.
    Wheel(cr, 500, 158, 10, 46);
    RoundedRect(cr, 526, 252, 9, 20, 3);
    Colour(cr, 0x3A3E45);
    cairo_fill(cr);
    // Side buttons.
    for (double y : {231.0, 277.0}) {
        RoundedRect(cr, 446, y - 17, 30, 34, 6);
        FillVertical(cr, 446, y - 17, 30, 34, 0x41454D, 0x2C2F35);
        RoundedRect(cr, 446.5, y - 16.5, 29, 33, 6);
        Colour(cr, 0x0C0D0F);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    Text(cr, "RAVIX", 468, 350, 11, kDim, true, Align::Centre);
}

// One call-out: a leader from the button to a numbered tag at the far end of the overlay.
void DrawCallout(cairo_t* cr, const Callout& c, int number, bool over) {
    cairo_translate(cr, -c.left, -c.top);
    const bool tagLeft = c.dotX - c.left > c.right - c.dotX;
    const double cy = (c.top + c.bottom) / 2.0;
    const double tagW = 20, tagH = 16;
    const double tagX = tagLeft ? c.left + 2 : c.right - 2 - tagW;
    const std::uint32_t line = over ? kAccent : 0x5A606A;
    // Leader: from the tag straight across, then to the dot.
    const double from = tagLeft ? tagX + tagW : tagX;
    const double elbow = tagLeft ? c.dotX - 8 : c.dotX + 8;
    cairo_move_to(cr, from, std::floor(cy) + 0.5);
    cairo_line_to(cr, elbow, std::floor(cy) + 0.5);
    cairo_line_to(cr, c.dotX, c.dotY);
    Colour(cr, line, over ? 1.0 : 0.8);
    cairo_set_line_width(cr, over ? 1.5 : 1);
    cairo_stroke(cr);
    if (over) Glow(cr, c.dotX, c.dotY, 10, kAccent, 0.6);
    cairo_arc(cr, c.dotX, c.dotY, over ? 3.5 : 2.5, 0, 2 * kPi);
    Colour(cr, over ? kAccent : 0x8A909A);
    cairo_fill(cr);
    // Tag.
    if (over) Glow(cr, tagX + tagW / 2, cy, 16, kAccent, 0.35);
    RoundedRect(cr, tagX + 0.5, cy - tagH / 2 + 0.5, tagW - 1, tagH - 1, 4);
    Colour(cr, over ? kAccent : 0x202328);
    cairo_fill_preserve(cr);
    Colour(cr, over ? kAccent : 0x5A606A);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Text(cr, std::to_string(number), tagX + tagW / 2, cy + 4, 11, over ? 0x101214 : kText, true, Align::Centre);
}

}  // namespace

void AddMouseImages(PainterTable& t) {
    t["/Mouse/Front/MouseFront.png"] = {Front};
    t["/Mouse/Side/MouseSide.png"] = {Side};
    for (int k = 1; k <= 8; ++k) {
        for (bool over : {false, true}) {
            const std::string state = over ? "-over.png" : "-normal.png";
            const Callout f = kFront[k - 1], s = kSide[k - 1];
            t["/Mouse/Front/F-" + std::to_string(k) + state] = {
                [f, k, over](cairo_t* cr, int, int) { DrawCallout(cr, f, k, over); }};
            t["/Mouse/Side/S-" + std::to_string(k) + state] = {
                [s, k, over](cairo_t* cr, int, int) { DrawCallout(cr, s, k, over); }};
            if (k == 4 || k == 5)
                t["/Mouse/Back/B-" + std::to_string(k) + state] = {
                    [f, k, over](cairo_t* cr, int, int) { DrawCallout(cr, f, k, over); }};
        }
    }
}

}  // namespace skin
