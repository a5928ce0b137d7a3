// Draws the default skin: every image of the program's catalogue at the size its layout needs, the
// LED colour dialog's sheets and description, and a contact sheet of the whole.
//
//   ravix_skin OUTPUT_FOLDER [CONTACT_SHEET.png]
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Images.h"
#include "core/skin/SkinCatalogue.h"

namespace {

std::string Narrow(const std::wstring& name) { return std::string(name.begin(), name.end()); }

bool WriteImage(const skin::Painter& painter, const ravix::SkinImageSize& image, const std::filesystem::path& folder) {
    const std::filesystem::path path = folder.string() + Narrow(image.name);
    std::filesystem::create_directories(path.parent_path());
    cairo_surface_t* surface = cairo_image_surface_create(painter.opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
                                                          image.width, image.height);
    cairo_t* cr = cairo_create(surface);
    painter.draw(cr, image.width, image.height);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.string().c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [CONTACT_SHEET.png]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    skin::PainterTable painters;
    skin::AddFrameImages(painters);
    skin::AddMouseImages(painters);
    skin::AddPageImages(painters);
    skin::AddDialogImages(painters);
    int failures = 0;
    for (const ravix::SkinImageSize& image : ravix::AllSkinImages()) {
        const auto painter = painters.find(Narrow(image.name));
        if (painter == painters.end()) {
            std::fprintf(stderr, "no painter for %s\n", Narrow(image.name).c_str());
            ++failures;
        } else if (!WriteImage(painter->second, image, folder)) {
            std::fprintf(stderr, "cannot write %s\n", Narrow(image.name).c_str());
            ++failures;
        }
    }
    if (!skin::WriteColourDialog(folder)) {
        std::fprintf(stderr, "cannot write the colour dialog's skin\n");
        ++failures;
    }
    if (argc > 2 && !skin::WriteContactSheet(folder, argv[2])) {
        std::fprintf(stderr, "cannot write the contact sheet\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
