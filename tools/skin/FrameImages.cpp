// The main window's frame: background, logo, panels, section headers, scroll bar and the window's
// own buttons.
#include <cmath>

#include "Draw.h"
#include "Images.h"

namespace skin {
namespace {

using namespace colour;

void Main(cairo_t* cr, int w, int h) {
    FillVertical(cr, 0, 0, w, h, 0x1A1C20, 0x141619);
    // Title strip with a green rule under the logo column.
    FillVertical(cr, 0, 0, w, 32, 0x24272D, 0x1E2126);
    HLine(cr, 0, w, 31, kLine);
    HLine(cr, 20, 262, 31, kAccent);
    Text(cr, "VELMAR", 22, 21, 12, kText, true);
    Text(cr, "RAVIX DRIVER", 84, 21, 12, kDim);
    // Bottom strip.
    FillVertical(cr, 0, 598, w, 42, 0x1F2227, 0x1A1C20);
    HLine(cr, 0, w, 598, kLine);
    // Columns: hairlines between the panels and the centre.
    VLine(cr, 262, 32, 598, 0x22252A);
    VLine(cr, 733, 32, 598, 0x22252A);
    // Under the mouse picture: a floor glow and the view switch's base.
    Glow(cr, 469, 470, 150, kAccent, 0.05);
    RoundedRect(cr, 408.5, 523.5, 133, 36, 6);
    Colour(cr, kWell);
    cairo_fill_preserve(cr);
    Colour(cr, kLine);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The scroll bar's groove.
    RoundedRect(cr, 983, 31, 9, 566, 4);
    Colour(cr, kWell);
    cairo_fill(cr);
}

void Logo(cairo_t* cr, int w, int h) {
    FillVertical(cr, 0, 0, w, h, 0x1D2024, 0x181A1E);
    // The mark: a stylised V made of two blades.
    cairo_move_to(cr, 8, 16);
    cairo_line_to(cr, 21, 16);
    cairo_line_to(cr, 30, 42);
    cairo_line_to(cr, 24, 54);
    cairo_close_path(cr);
    Colour(cr, kAccent);
    cairo_fill(cr);
    cairo_move_to(cr, 52, 16);
    cairo_line_to(cr, 39, 16);
    cairo_line_to(cr, 30, 42);
    cairo_line_to(cr, 36, 54);
    cairo_close_path(cr);
    Colour(cr, kAccentDeep);
    cairo_fill(cr);
    Text(cr, "VELMAR", 64, 34, 22, kText, true);
    Text(cr, "RAVIX", 64, 52, 13, kAccent, true);
    Text(cr, "GAMING MOUSE", 114, 52, 9, kDim);
    HLine(cr, 0, w, h - 1, 0x2A2D33);
}

void Panel(cairo_t* cr, int w, int h) {
    FillVertical(cr, 0, 0, w, h, 0x1B1D21, 0x17191C);
}

void Mid(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    Colour(cr, 0x16181B);
    cairo_fill(cr);
    Glow(cr, w / 2.0, h * 0.5, 240, 0x2B3038, 0.9);
    Glow(cr, w / 2.0, h * 0.55, 170, kAccent, 0.05);
    // A faint technical grid.
    for (int x = 16; x < w; x += 24) VLine(cr, x, 0, h, 0xFFFFFF, 0.025);
    for (int y = 10; y < h; y += 24) HLine(cr, 0, w, y, 0xFFFFFF, 0.025);
    // Corner brackets frame the picture.
    auto bracket = [&](double x, double y, double dx, double dy) {
        HLine(cr, std::fmin(x, x + dx), std::fmax(x, x + dx), y, kDim, 0.6);
        VLine(cr, x, std::fmin(y, y + dy), std::fmax(y, y + dy), kDim, 0.6);
    };
    bracket(10, 10, 18, 18);
    bracket(w - 11, 10, -18, 18);
    bracket(10, h - 11, 18, -18);
    bracket(w - 11, h - 11, -18, -18);
}

void Header(cairo_t* cr, int w, int h, bool macro) {
    FillVertical(cr, 0, 0, w, h, 0x2C2F36, 0x24272C);
    HLine(cr, 0, w, 0, 0x3A3E46);
    HLine(cr, 0, w, h - 1, 0x1A1C20);
    cairo_rectangle(cr, 0, 0, 3, h);
    Colour(cr, kAccent);
    cairo_fill(cr);
    // Chevron at the right edge.
    const double cy = h / 2.0;
    cairo_move_to(cr, w - 16, cy - 3);
    cairo_line_to(cr, w - 12, cy + 1);
    cairo_line_to(cr, w - 8, cy - 3);
    Colour(cr, kDim);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    if (macro) {
        // A record dot and three event lines: the macro manager opens from here.
        Glow(cr, w - 40, cy, 9, kAccent, 0.35);
        cairo_arc(cr, w - 40, cy, 4, 0, 2 * kPi);
        Colour(cr, kAccent);
        cairo_fill(cr);
        for (int i = 0; i < 3; ++i) HLine(cr, w - 70, w - 54 - 4 * i, cy - 5 + 5 * i, kDim, 0.8);
    }
}

void Bar(cairo_t* cr, int w, int h, bool bottomView) {
    cairo_rectangle(cr, 0, 0, w, h);
    Colour(cr, kWell);
    cairo_fill(cr);
    RoundedRect(cr, 2, 1, w - 4, h - 2, 1.5);
    Colour(cr, 0x2A2D33);
    cairo_fill(cr);
    if (bottomView) {
        RoundedRect(cr, 1, h / 2.0, w - 2, h / 2.0 - 1, 3);
        Colour(cr, kAccentDeep);
        cairo_fill(cr);
        RoundedRect(cr, 2, h / 2.0 + 1, w - 4, h / 2.0 - 3, 2);
        Colour(cr, kAccent, 0.8);
        cairo_fill(cr);
    }
}

// The small square buttons of the title strip.
void TitleButton(cairo_t* cr, int w, int h, char glyph, bool over) {
    RoundedRect(cr, 0, 0, w, h, 3);
    Colour(cr, over ? (glyph == 'x' ? kDanger : kAccent) : 0x2A2D33);
    cairo_fill(cr);
    const std::uint32_t ink = over ? 0x101214 : 0xB8BDC4;
    Colour(cr, ink);
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (glyph == 'x') {
        cairo_move_to(cr, 4.5, 4.5);
        cairo_line_to(cr, w - 4.5, h - 4.5);
        cairo_move_to(cr, w - 4.5, 4.5);
        cairo_line_to(cr, 4.5, h - 4.5);
        cairo_stroke(cr);
    } else if (glyph == '-') {
        cairo_move_to(cr, 4, h - 5);
        cairo_line_to(cr, w - 4, h - 5);
        cairo_stroke(cr);
    } else {
        Text(cr, "?", w / 2.0, h - 3.5, 11, ink, true, Align::Centre);
    }
}

enum class Look { Plain, Primary };

// The bottom strip's command buttons; captions are drawn over them by the program.
void CommandButton(cairo_t* cr, int w, int h, Look look, bool over) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
    if (look == Look::Primary) {
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgb(p, 0, over ? 0.30 : 0.20, over ? 0.55 : 0.40, over ? 0.24 : 0.17);
        cairo_pattern_add_color_stop_rgb(p, 1, over ? 0.20 : 0.13, over ? 0.40 : 0.28, over ? 0.16 : 0.11);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        Colour(cr, kAccent, over ? 1.0 : 0.7);
    } else {
        if (over) {
            FillVertical(cr, 0, 0, w, h, 0x383C44, 0x2C2F35);
            RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
        } else {
            FillVertical(cr, 0, 0, w, h, 0x2B2E34, 0x222429);
            RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
        }
        Colour(cr, over ? kAccent : 0x454A53);
    }
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void ConfigButton(cairo_t* cr, int w, int h, bool over) {
    CommandButton(cr, w, h, Look::Plain, over);
    // A profile stack icon left of the caption, which starts 25 pixels in.
    const std::uint32_t ink = over ? kAccent : kDim;
    for (int i = 0; i < 3; ++i) {
        RoundedRect(cr, 7.5, 9.5 + 4 * i, 11, 3, 1);
        Colour(cr, ink, 1.0 - 0.25 * i);
        cairo_fill(cr);
    }
}

void ViewButton(cairo_t* cr, int w, int h, bool chosen) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
    Colour(cr, chosen ? 0x2A3A27 : 0x202328);
    cairo_fill_preserve(cr);
    Colour(cr, chosen ? kAccent : kLine);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (chosen) HLine(cr, 8, w - 8, h - 3, kAccent);
}

}  // namespace

void AddFrameImages(PainterTable& t) {
    t["/main.png"] = {Main, true};
    t["/Logo.png"] = {Logo, true};
    t["/BK_MainLeft.png"] = {Panel, true};
    t["/BK_MainRight.png"] = {Panel, true};
    t["/BK_MainMid.png"] = {Mid, true};
    t["/ItemBK.png"] = {[](cairo_t* cr, int w, int h) { Header(cr, w, h, false); }, true};
    t["/MacroManagementBK.png"] = {[](cairo_t* cr, int w, int h) { Header(cr, w, h, true); }, true};
    t["/Bar1.png"] = {[](cairo_t* cr, int w, int h) { Bar(cr, w, h, false); }, true};
    t["/Bar3.png"] = {[](cairo_t* cr, int w, int h) { Bar(cr, w, h, true); }, true};
    const std::pair<const char*, char> titleButtons[] = {{"min", '-'}, {"close", 'x'}, {"help", '?'}};
    for (const auto& [name, glyph] : titleButtons) {
        const char g = glyph;
        t[std::string("/button-") + name + "-normal.png"] = {
            [g](cairo_t* cr, int w, int h) { TitleButton(cr, w, h, g, false); }};
        t[std::string("/button-") + name + "-over.png"] = {
            [g](cairo_t* cr, int w, int h) { TitleButton(cr, w, h, g, true); }};
    }
    t["/button-config-normal.png"] = {[](cairo_t* cr, int w, int h) { ConfigButton(cr, w, h, false); }};
    t["/button-config-over.png"] = {[](cairo_t* cr, int w, int h) { ConfigButton(cr, w, h, true); }};
    t["/button-save-normal.png"] = {[](cairo_t* cr, int w, int h) { CommandButton(cr, w, h, Look::Primary, false); }};
    t["/button-save-over.png"] = {[](cairo_t* cr, int w, int h) { CommandButton(cr, w, h, Look::Primary, true); }};
    t["/button-cancel-normal.png"] = {[](cairo_t* cr, int w, int h) { CommandButton(cr, w, h, Look::Plain, false); }};
    t["/button-cancel-over.png"] = {[](cairo_t* cr, int w, int h) { CommandButton(cr, w, h, Look::Plain, true); }};
    t["/button-mouse-normal.png"] = {[](cairo_t* cr, int w, int h) { ViewButton(cr, w, h, false); }};
    t["/button-mouse-leave.png"] = {[](cairo_t* cr, int w, int h) { ViewButton(cr, w, h, true); }};
}

void DrawThumb(cairo_t* cr, int w, int h) {
    // A green blade that fades out at both ends.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgba(p, 0.0, 0.47, 0.86, 0.35, 0.15);
    cairo_pattern_add_color_stop_rgba(p, 0.15, 0.47, 0.86, 0.35, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.85, 0.31, 0.60, 0.23, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 1.0, 0.31, 0.60, 0.23, 0.15);
    RoundedRect(cr, 0, 0, w, h, w / 2.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

}  // namespace skin
