#include "Draw.h"

#include <cmath>

namespace skin {

void Colour(cairo_t* cr, std::uint32_t rgb, double alpha) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0,
                          alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::fmin(r, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
    cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double x, double y, double w, double h, std::uint32_t top, std::uint32_t bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    auto stop = [&](double at, std::uint32_t rgb) {
        cairo_pattern_add_color_stop_rgb(p, at, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                                         (rgb & 0xFF) / 255.0);
    };
    stop(0, top);
    stop(1, bottom);
    cairo_rectangle(cr, x, y, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Frame(cairo_t* cr, double x, double y, double w, double h, std::uint32_t rgb, double alpha) {
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    Colour(cr, rgb, alpha);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void HLine(cairo_t* cr, double x0, double x1, double y, std::uint32_t rgb, double alpha) {
    cairo_rectangle(cr, x0, y, x1 - x0, 1);
    Colour(cr, rgb, alpha);
    cairo_fill(cr);
}

void VLine(cairo_t* cr, double x, double y0, double y1, std::uint32_t rgb, double alpha) {
    cairo_rectangle(cr, x, y0, 1, y1 - y0);
    Colour(cr, rgb, alpha);
    cairo_fill(cr);
}

void Glow(cairo_t* cr, double x, double y, double radius, std::uint32_t rgb, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
    cairo_pattern_add_color_stop_rgba(p, 0, r, g, b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, r, g, b, 0);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Text(cairo_t* cr, const std::string& text, double x, double y, double size, std::uint32_t rgb, bool bold,
          Align align) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    if (align == Align::Centre) x -= extents.x_advance / 2;
    if (align == Align::Right) x -= extents.x_advance;
    Colour(cr, rgb);
    cairo_move_to(cr, std::round(x), std::round(y));
    cairo_show_text(cr, text.c_str());
}

}  // namespace skin
