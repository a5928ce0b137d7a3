#pragma once

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace skin {

// Draws one image of the skin on a surface of the image's size.
struct Painter {
    std::function<void(cairo_t*, int width, int height)> draw;
    bool opaque = false;  // written without alpha, copied opaque by the program
};

// Painters by image name ("/main.png"), one for every file of the catalogue.
using PainterTable = std::map<std::string, Painter>;

void AddFrameImages(PainterTable& table);
void AddMouseImages(PainterTable& table);
void AddPageImages(PainterTable& table);
void AddDialogImages(PainterTable& table);

// The LED colour dialog's description file and its five bitmap sheets.
bool WriteColourDialog(const std::filesystem::path& folder);

// The colour dialog's normal look, cut to its shape, for previews.
void DrawColourDialogPreview(cairo_t* cr);

// One picture of the main window as the program puts it together, beside the dialogs.
bool WriteContactSheet(const std::filesystem::path& folder, const std::filesystem::path& out);

// The thumb of the right panel's scroll bar, shared with the program's own resource picture.
void DrawThumb(cairo_t* cr, int width, int height);

}  // namespace skin
