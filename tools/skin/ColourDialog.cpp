// The LED colour dialog's skin: five Windows bitmap sheets of the whole dialog (its shape, its
// normal look, and the looks of its controls under the pointer, pressed and disabled) and the
// description file that names them and places the fifteen controls.
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "Draw.h"
#include "Images.h"
#include "core/skin/SkinCatalogue.h"

namespace skin {
namespace {

using namespace colour;

struct Placement {
    const char* name;
    int x, y, w, h;
    const char* label;
};

constexpr Placement kControls[15] = {
    {"Plane", 24, 64, 200, 200, "Colour plane"},  {"Strip", 232, 60, 30, 208, "Hue strip"},
    {"Well", 276, 64, 80, 40, "Colour well"},     {"Red", 300, 118, 57, 17, "Red"},
    {"Green", 300, 144, 57, 17, "Green"},         {"Blue", 300, 170, 57, 17, "Blue"},
    {"Hex", 276, 200, 80, 18, "Hexadecimal"},     {"Preset1", 24, 280, 26, 20, "Red"},
    {"Preset2", 58, 280, 26, 20, "Cyan"},         {"Preset3", 92, 280, 26, 20, "Green"},
    {"Preset4", 126, 280, 26, 20, "Blue"},        {"Preset5", 160, 280, 26, 20, "Yellow"},
    {"Preset6", 194, 280, 26, 20, "Magenta"},     {"Apply", 236, 292, 64, 26, "APPLY"},
    {"Cancel", 306, 292, 64, 26, "CANCEL"},
};

constexpr std::uint32_t kPresets[6] = {0xFF0000, 0x00FFFF, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF};

enum class Sheet { Mask, Normal, Over, Down, Disable };

void Shape(cairo_t* cr, int w, int h) { RoundedRect(cr, 0, 0, w, h, 14); }

void DrawSheet(cairo_t* cr, int w, int h, Sheet sheet) {
    cairo_rectangle(cr, 0, 0, w, h);
    Colour(cr, 0xFFFFFF);
    cairo_fill(cr);
    Shape(cr, w, h);
    if (sheet == Sheet::Mask) {
        Colour(cr, 0x000000);
        cairo_fill(cr);
        return;
    }
    cairo_save(cr);
    cairo_clip(cr);
    FillVertical(cr, 0, 0, w, h, 0x23262B, 0x181A1E);
    FillVertical(cr, 0, 0, w, 52, 0x2C2F36, 0x24272C);
    HLine(cr, 0, w, 51, kLine);
    cairo_rectangle(cr, 0, 50, 80, 2);
    Colour(cr, kAccent);
    cairo_fill(cr);
    // A bulb mark left of the title, which the dialog draws at (96, 33).
    Glow(cr, 60, 27, 18, kAccent, 0.4);
    cairo_arc(cr, 60, 25, 9, 0, 2 * kPi);
    Colour(cr, kAccent);
    cairo_fill(cr);
    cairo_rectangle(cr, 56, 35, 8, 5);
    Colour(cr, 0xB8BDC4);
    cairo_fill(cr);
    cairo_restore(cr);
    // Frames around the picker controls, which draw themselves.
    for (int i = 0; i < 3; ++i) {
        const Placement& p = kControls[i];
        RoundedRect(cr, p.x - 3.5, p.y - 3.5, p.w + 7, p.h + 7, 4);
        Colour(cr, 0x3A3E46);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    const char* channels[3] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        const Placement& p = kControls[3 + i];
        Text(cr, channels[i], 284, p.y + 13, 11, kDim, true, Align::Centre);
        RoundedRect(cr, p.x - 1.5, p.y - 1.5, p.w + 3, p.h + 3, 3);
        Colour(cr, sheet == Sheet::Normal || sheet == Sheet::Disable ? 0x454A53 : kAccent);
        cairo_stroke(cr);
    }
    Text(cr, "#", 268, 213, 11, kDim, true, Align::Centre);
    // Preset swatches.
    for (int i = 0; i < 6; ++i) {
        const Placement& p = kControls[7 + i];
        const double inset = sheet == Sheet::Down ? 2 : 0;
        RoundedRect(cr, p.x + inset, p.y + inset, p.w - 2 * inset, p.h - 2 * inset, 4);
        Colour(cr, sheet == Sheet::Disable ? 0x55585E : kPresets[i]);
        cairo_fill(cr);
        RoundedRect(cr, p.x - 1.5, p.y - 1.5, p.w + 3, p.h + 3, 5);
        Colour(cr, sheet == Sheet::Over ? kAccent : 0x2A2D33);
        cairo_set_line_width(cr, sheet == Sheet::Over ? 2 : 1);
        cairo_stroke(cr);
    }
    // APPLY and CANCEL; their captions are drawn by the buttons.
    for (int i = 13; i < 15; ++i) {
        const Placement& p = kControls[i];
        const bool primary = i == 13;
        RoundedRect(cr, p.x + 0.5, p.y + 0.5, p.w - 1, p.h - 1, 5);
        std::uint32_t fill = primary ? 0x2F5A26 : 0x2A2D33;
        if (sheet == Sheet::Over) fill = primary ? 0x3C7430 : 0x353940;
        if (sheet == Sheet::Down) fill = primary ? 0x234420 : 0x1E2025;
        if (sheet == Sheet::Disable) fill = 0x2A2C30;
        Colour(cr, fill);
        cairo_fill_preserve(cr);
        Colour(cr, sheet == Sheet::Disable ? 0x3A3E46 : (primary ? kAccent : 0x4A4F58));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

// A 24-bit bottom-up Windows bitmap of the surface.
bool WriteBitmap(cairo_surface_t* surface, const std::filesystem::path& path) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int rowBytes = (w * 3 + 3) & ~3;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * h);
    std::vector<unsigned char> file(54 + imageBytes, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    file[26] = 1;
    file[28] = 24;
    put32(34, imageBytes);
    for (int y = 0; y < h; ++y) {
        const unsigned char* src = data + static_cast<std::ptrdiff_t>(stride) * (h - 1 - y);
        unsigned char* dst = &file[54 + static_cast<std::size_t>(rowBytes) * y];
        for (int x = 0; x < w; ++x) {
            // Cairo's RGB24 keeps blue, green, red in the low three bytes of a native word.
            std::uint32_t pixel;
            std::memcpy(&pixel, src + 4 * x, 4);
            dst[3 * x + 0] = static_cast<unsigned char>(pixel);
            dst[3 * x + 1] = static_cast<unsigned char>(pixel >> 8);
            dst[3 * x + 2] = static_cast<unsigned char>(pixel >> 16);
        }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

}  // namespace

void DrawColourDialogPreview(cairo_t* cr) {
    const int w = ravix::kColourDialogWidth, h = ravix::kColourDialogHeight;
    cairo_save(cr);
    Shape(cr, w, h);
    cairo_clip(cr);
    DrawSheet(cr, w, h, Sheet::Normal);
    cairo_restore(cr);
}

bool WriteColourDialog(const std::filesystem::path& folder) {
    const std::pair<const char*, Sheet> sheets[] = {{"Mask", Sheet::Mask},
                                                    {"Normal", Sheet::Normal},
                                                    {"Over", Sheet::Over},
                                                    {"Down", Sheet::Down},
                                                    {"Disable", Sheet::Disable}};
    std::filesystem::create_directories(folder / "ColorSelect");
    std::string ini = "[SCREEN]\r\n";
    for (const auto& [key, sheet] : sheets) {
        cairo_surface_t* surface =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, ravix::kColourDialogWidth, ravix::kColourDialogHeight);
        cairo_t* cr = cairo_create(surface);
        DrawSheet(cr, ravix::kColourDialogWidth, ravix::kColourDialogHeight, sheet);
        cairo_destroy(cr);
        const std::string name = std::string("ColorSelect/") + key + ".bmp";
        const bool written = WriteBitmap(surface, folder / name);
        cairo_surface_destroy(surface);
        if (!written) return false;
        ini += std::string(key) + "=" + name + "\r\n";
    }
    ini += "\r\n[BUTTONPOS]\r\n";
    for (int i = 0; i < 15; ++i) {
        const Placement& p = kControls[i];
        ini += std::to_string(i + 1) + "=" + p.name + "," + std::to_string(p.x) + "," + std::to_string(p.y) + "," +
               std::to_string(p.w) + "," + std::to_string(p.h) + "," + p.label + "\r\n";
    }
    std::ofstream out(folder / "skin_Color_Select.ini", std::ios::binary);
    out << ini;
    return static_cast<bool>(out);
}

}  // namespace skin
