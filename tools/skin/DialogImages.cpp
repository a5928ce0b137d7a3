// The dialogs' backgrounds and their buttons and tick boxes.
#include <cmath>
#include <string>

#include "Draw.h"
#include "Images.h"

namespace skin {
namespace {

using namespace colour;

void DialogBase(cairo_t* cr, int w, int h, int titleHeight) {
    FillVertical(cr, 0, 0, w, h, 0x1F2226, 0x181A1E);
    if (titleHeight > 0) {
        FillVertical(cr, 0, 0, w, titleHeight, 0x2A2D33, 0x23262B);
        HLine(cr, 0, w, titleHeight - 1, kLine);
        cairo_rectangle(cr, 0, titleHeight - 2, 60, 2);
        Colour(cr, kAccent);
        cairo_fill(cr);
    }
    Frame(cr, 0, 0, w, h, 0x3A3E46);
}

void Card(cairo_t* cr, double x, double y, double w, double h) {
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 6);
    Colour(cr, 0x22252A);
    cairo_fill_preserve(cr);
    Colour(cr, 0x30343B);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void FieldFrame(cairo_t* cr, double l, double t, double r, double b) {
    RoundedRect(cr, l - 2.5, t - 2.5, r - l + 5, b - t + 5, 3);
    Colour(cr, 0x454A53);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void Keycap(cairo_t* cr, double x, double y, double w, double h, const std::string& label, bool lit) {
    RoundedRect(cr, x, y + 4, w, h, 7);
    Colour(cr, 0x0C0D0F);
    cairo_fill(cr);
    RoundedRect(cr, x, y, w, h, 7);
    FillVertical(cr, x, y, w, h, 0x353940, 0x2A2D33);
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 7);
    Colour(cr, lit ? kAccent : 0x4A4F58);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Text(cr, label, x + w / 2, y + h / 2 + 5, 14, lit ? kAccent : kText, true, Align::Centre);
}

void SingleKey(cairo_t* cr, int w, int h) {
    DialogBase(cr, w, h, 31);
    Card(cr, 14, 84, 186, 80);
    FieldFrame(cr, 74, 129, 150, 143);
    Glow(cr, 290, 140, 80, kAccent, 0.07);
    Keycap(cr, 245, 100, 90, 80, "A", true);
}

void ComboKey(cairo_t* cr, int w, int h) {
    DialogBase(cr, w, h, 31);
    Card(cr, 30, 54, 122, 150);
    FieldFrame(cr, 50, 70, 132, 84);
    FieldFrame(cr, 50, 120, 131, 134);
    FieldFrame(cr, 50, 170, 131, 184);
    // The modifier box opens a list: an arrow at its right end.
    cairo_move_to(cr, 120, 75);
    cairo_line_to(cr, 124, 79);
    cairo_line_to(cr, 128, 75);
    Colour(cr, kAccent);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Text(cr, "+", 90, 108, 16, kAccent, true, Align::Centre);
    Text(cr, "+", 90, 158, 16, kAccent, true, Align::Centre);
    Keycap(cr, 190, 80, 70, 50, "Ctrl", false);
    Text(cr, "+", 275, 112, 16, kAccent, true, Align::Centre);
    Keycap(cr, 290, 80, 60, 50, "K", true);
}

void MacroKey(cairo_t* cr, int w, int h) {
    DialogBase(cr, w, h, 31);
    Card(cr, 10, 60, 190, 170);
    Card(cr, 208, 60, 164, 150);
    FieldFrame(cr, 42, 128, 151, 144);
    RoundedRect(cr, 137, 126, 14, 20, 2);
    Colour(cr, kAccentDeep);
    cairo_fill(cr);
    cairo_move_to(cr, 140.5, 134);
    cairo_line_to(cr, 144, 137.5);
    cairo_line_to(cr, 147.5, 134);
    Colour(cr, 0xFFFFFF);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    HLine(cr, 216, 364, 110, kLine, 0.7);
    HLine(cr, 216, 364, 160, kLine, 0.7);
}

void Help(cairo_t* cr, int w, int h) {
    DialogBase(cr, w, h, 0);
    Card(cr, 0, 0, 170, 80);
    HLine(cr, 8, 160, 25, kLine, 0.7);
    HLine(cr, 8, 160, 49, kLine, 0.7);
    // The brand mark, large and quiet.
    cairo_move_to(cr, 220, 100);
    cairo_line_to(cr, 250, 100);
    cairo_line_to(cr, 270, 160);
    cairo_line_to(cr, 256, 188);
    cairo_close_path(cr);
    Colour(cr, kAccent, 0.25);
    cairo_fill(cr);
    cairo_move_to(cr, 320, 100);
    cairo_line_to(cr, 290, 100);
    cairo_line_to(cr, 270, 160);
    cairo_line_to(cr, 284, 188);
    cairo_close_path(cr);
    Colour(cr, kAccentDeep, 0.35);
    cairo_fill(cr);
    Text(cr, "VELMAR RAVIX", 20, 130, 15, kText, true);
    Text(cr, "Configuration utility", 20, 150, 10, kDim);
}

void MacroManager(cairo_t* cr, int w, int h) {
    DialogBase(cr, w, h, 48);
    Card(cr, 10, 54, 132, 346);
    Card(cr, 146, 54, 124, 306);
    Card(cr, 276, 54, 130, 306);
    Frame(cr, 20, 81, 111, 273, 0x454A53);
    Frame(cr, 152, 81, 111, 273, 0x454A53);
    Frame(cr, 297, 332, 83, 14, 0x454A53);
    HLine(cr, 286, 396, 126, kLine, 0.7);
    HLine(cr, 286, 396, 300, kLine, 0.7);
    // A quiet record mark on the right.
    Glow(cr, 448, 220, 40, kAccent, 0.08);
    cairo_arc(cr, 448, 220, 12, 0, 2 * kPi);
    Colour(cr, kAccent, 0.35);
    cairo_fill(cr);
    cairo_arc(cr, 448, 220, 20, 0, 2 * kPi);
    Colour(cr, kAccent, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void ConfigPanel(cairo_t* cr, int w, int h) {
    DialogBase(cr, w, h, 31);
    cairo_rectangle(cr, 1, 31, w - 2, 544);
    Colour(cr, 0x282828);
    cairo_fill(cr);
    FillVertical(cr, 1, 575, w - 2, 22, 0x2A2D33, 0x23262B);
    HLine(cr, 0, w, 575, kLine);
}

void TextButton(cairo_t* cr, int w, int h, bool over) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
    if (over) {
        FillVertical(cr, 0, 0, w, h, 0x2F4A29, 0x24381F);
        RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
        Colour(cr, kAccent);
    } else {
        FillVertical(cr, 0, 0, w, h, 0x30333A, 0x26292E);
        RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 4);
        Colour(cr, 0x4A4F58);
    }
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void CloseButton(cairo_t* cr, int w, int h, bool over) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, h / 2.0);
    Colour(cr, over ? kDanger : 0x2A2D33);
    cairo_fill(cr);
    const double cx = w / 2.0, cy = h / 2.0;
    cairo_move_to(cr, cx - 4, cy - 4);
    cairo_line_to(cr, cx + 4, cy + 4);
    cairo_move_to(cr, cx + 4, cy - 4);
    cairo_line_to(cr, cx - 4, cy + 4);
    Colour(cr, over ? 0xFFFFFF : 0xB8BDC4);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void InsertMacro(cairo_t* cr, int w, int h, bool over) {
    TextButton(cr, w, h, over);
    Text(cr, "+", 10, h / 2.0 + 5, 13, over ? kAccent : kDim, true, Align::Centre);
}

void RecordButton(cairo_t* cr, int w, int h) {
    TextButton(cr, w, h, false);
    Glow(cr, 10, h / 2.0, 8, kAccent, 0.5);
    cairo_arc(cr, 10, h / 2.0, 3.5, 0, 2 * kPi);
    Colour(cr, kAccent);
    cairo_fill(cr);
}

void TickBox(cairo_t* cr, int w, int h, bool ticked) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3);
    Colour(cr, ticked ? kAccent : kWell);
    cairo_fill_preserve(cr);
    Colour(cr, ticked ? kAccent : 0x5A606A);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (ticked) {
        cairo_move_to(cr, w * 0.24, h * 0.52);
        cairo_line_to(cr, w * 0.42, h * 0.72);
        cairo_line_to(cr, w * 0.78, h * 0.3);
        Colour(cr, 0x101214);
        cairo_set_line_width(cr, 2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
}

void NewProfile(cairo_t* cr, int w, int h) {
    cairo_arc(cr, w / 2.0, h / 2.0, w / 2.0 - 0.5, 0, 2 * kPi);
    Colour(cr, kAccent);
    cairo_fill(cr);
    cairo_rectangle(cr, 3, h / 2.0 - 0.75, w - 6, 1.5);
    cairo_rectangle(cr, w / 2.0 - 0.75, 3, 1.5, h - 6);
    Colour(cr, 0x101214);
    cairo_fill(cr);
}

}  // namespace

void AddDialogImages(PainterTable& t) {
    t["/single-key.png"] = {SingleKey, true};
    t["/combo-key.png"] = {ComboKey, true};
    t["/macro-key.png"] = {MacroKey, true};
    t["/Help/HelpWindow.png"] = {Help, true};
    t["/MacroManagement/MacroManagement.png"] = {MacroManager, true};
    t["/Config/Config.png"] = {ConfigPanel, true};
    t["/Config/New-Config.png"] = {NewProfile};
    for (bool over : {false, true}) {
        const std::string state = over ? "-over.png" : "-normal.png";
        t["/MacroManagement/button-new" + state] = {[over](cairo_t* cr, int w, int h) { TextButton(cr, w, h, over); }};
        t["/MacroManagement/button-cancel" + state] = {
            [over](cairo_t* cr, int w, int h) { TextButton(cr, w, h, over); }};
        t["/Insert-Macro" + state] = {[over](cairo_t* cr, int w, int h) { InsertMacro(cr, w, h, over); }};
        t["/macro-button-close" + state] = {[over](cairo_t* cr, int w, int h) { CloseButton(cr, w, h, over); }};
    }
    t["/MacroManagement/Record-normal.png"] = {RecordButton};
    for (const char* folder : {"", "/MacroManagement"}) {
        t[std::string(folder) + "/Pane.png"] = {[](cairo_t* cr, int w, int h) { TickBox(cr, w, h, false); }};
        t[std::string(folder) + "/PaneMakingTick.png"] = {[](cairo_t* cr, int w, int h) { TickBox(cr, w, h, true); }};
    }
}

}  // namespace skin
