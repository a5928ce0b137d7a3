#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

// Drawing helpers and the colours of the default skin: one dark graphite theme with the brand's
// green as its only accent.
namespace skin {

inline constexpr double kPi = 3.14159265358979323846;

namespace colour {
inline constexpr std::uint32_t kWindow = 0x17191D;     // window background
inline constexpr std::uint32_t kStrip = 0x1F2227;      // title and bottom strips
inline constexpr std::uint32_t kPanel = 0x202328;      // section bodies
inline constexpr std::uint32_t kGraphite = 0x26282E;   // headers, buttons
inline constexpr std::uint32_t kRaised = 0x30333A;     // raised surfaces under the pointer
inline constexpr std::uint32_t kLine = 0x383C44;       // hairlines and frames
inline constexpr std::uint32_t kWell = 0x121417;       // sunken fields and tracks
inline constexpr std::uint32_t kText = 0xE6E8EB;       // light text
inline constexpr std::uint32_t kDim = 0x7D838D;        // secondary text and idle marks
inline constexpr std::uint32_t kAccent = 0x78DC5A;     // the brand's green
inline constexpr std::uint32_t kAccentDeep = 0x3F7A2E; // green in shadow
inline constexpr std::uint32_t kDanger = 0xE5484D;     // the close button under the pointer
}  // namespace colour

void Colour(cairo_t* cr, std::uint32_t rgb, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A vertical gradient between two colours over the rectangle.
void FillVertical(cairo_t* cr, double x, double y, double w, double h, std::uint32_t top, std::uint32_t bottom);
// A rectangle edge drawn on the pixel grid so that one-pixel lines stay crisp.
void Frame(cairo_t* cr, double x, double y, double w, double h, std::uint32_t rgb, double alpha = 1.0);
void HLine(cairo_t* cr, double x0, double x1, double y, std::uint32_t rgb, double alpha = 1.0);
void VLine(cairo_t* cr, double x, double y0, double y1, std::uint32_t rgb, double alpha = 1.0);
// A soft glow of the accent colour around a point.
void Glow(cairo_t* cr, double x, double y, double radius, std::uint32_t rgb, double alpha);

enum class Align { Left, Centre, Right };
// Text with its baseline at y.
void Text(cairo_t* cr, const std::string& text, double x, double y, double size, std::uint32_t rgb,
          bool bold = false, Align align = Align::Left);

}  // namespace skin
