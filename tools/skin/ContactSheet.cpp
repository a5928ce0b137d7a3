// A picture of the skin for the README: the main window put together from its images the way the
// program lays it out (with sample captions), and the dialogs beside it.
#include <string>

#include "Draw.h"
#include "Images.h"

namespace skin {
namespace {

using namespace colour;

constexpr std::uint32_t kCaption = 0xE6E8EB;

struct Sheet {
    cairo_t* cr;
    std::filesystem::path folder;
    bool ok = true;

    void Image(const std::string& name, double x, double y) {
        cairo_surface_t* image = cairo_image_surface_create_from_png((folder.string() + name).c_str());
        if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
            ok = false;
        } else {
            cairo_set_source_surface(cr, image, x, y);
            cairo_paint(cr);
        }
        cairo_surface_destroy(image);
    }
    void Caption(const std::string& text, double x, double y, double size = 10, Align align = Align::Left) {
        Text(cr, text, x, y, size, kCaption, false, align);
    }
    void Header(const std::string& caption, double x, double y, const std::string& image = "/ItemBK.png") {
        Image(image, x, y);
        Caption(caption, x + 10, y + (image == "/ItemBK.png" ? 14 : 23), 9);
    }
};

void MainWindow(Sheet& s, double ox, double oy) {
    cairo_save(s.cr);
    cairo_translate(s.cr, ox, oy);
    s.Image("/main.png", 0, 0);
    s.Image("/Logo.png", 20, 32);
    s.Image("/BK_MainLeft.png", 20, 107);
    s.Image("/BK_MainMid.png", 262, 32);
    s.Image("/BK_MainRight.png", 734, 32);
    s.Image("/Bar1.png", 984, 32);
    cairo_save(s.cr);
    cairo_translate(s.cr, 984, 32);
    DrawThumb(s.cr, 7, 114);
    cairo_restore(s.cr);
    s.Image("/button-help-normal.png", 937, 5);
    s.Image("/button-min-normal.png", 958, 5);
    s.Image("/button-close-over.png", 979, 5);
    // Left panel: button assignment open, the macro manager and the X/Y sensitivity.
    s.Header("BUTTON ASSIGNMENT", 20, 107);
    s.Image("/ButtonAssignment/BK_ButtonAssignment.png", 20, 127);
    const char* labels[8] = {"Click", "Menu", "MID BUTTON", "SCROLL UP", "SCROLL DOWN", "DPI loop", "IE Forward",
                             "IE Backward"};
    for (int k = 0; k < 8; ++k) {
        s.Image(k == 2 ? "/ButtonAssignment/DropdownBox-over.png" : "/ButtonAssignment/DropdownBox-normal.png", 120,
                154 + 20 * k);
        s.Caption("Button " + std::to_string(k + 1), 34, 166 + 20 * k, 9);
        s.Caption(labels[k], 126, 166 + 20 * k, 9);
    }
    s.Header("MACRO MANAGER", 20, 325, "/MacroManagementBK.png");
    s.Header("X/Y SENSITIVITY SETTING", 20, 368);
    s.Image("/XYSensitivity/BK_XYSensSetting.png", 20, 388);
    s.Caption("X axis", 37, 420, 9);
    s.Image("/StageSlider/5.png", 37, 428);
    s.Caption("Y axis", 37, 480, 9);
    s.Image("/StageSlider/7.png", 37, 488);
    // The mouse with button 3 lit.
    s.Image("/Mouse/Front/MouseFront.png", 335, 58);
    const int overlays[8][2] = {{335, 96}, {509, 97}, {467, 159}, {334, 145}, {334, 169}, {467, 215}, {334, 220}, {333, 257}};
    for (int k = 1; k <= 8; ++k)
        s.Image("/Mouse/Front/F-" + std::to_string(k) + (k == 3 ? "-over.png" : "-normal.png"), overlays[k - 1][0],
                overlays[k - 1][1]);
    s.Image("/button-mouse-leave.png", 412, 527);
    s.Image("/button-mouse-normal.png", 475, 527);
    s.Caption("Front", 443, 546, 10, Align::Centre);
    s.Caption("Side", 506, 546, 10, Align::Centre);
    // Right panel: DPI, lighting and report rate open.
    s.Header("DPI SETTING", 734, 32);
    s.Image("/DPISetting/BK_DPISetting.png", 734, 52);
    s.Caption("DPI PROFILE 1", 812, 79, 9, Align::Centre);
    s.Caption("DPI PROFILE 2", 917, 79, 9, Align::Centre);
    const int sliderX[4] = {775, 825, 885, 935}, editX[4] = {760, 810, 870, 920}, levels[4] = {16, 32, 64, 100};
    const std::uint32_t swatches[4] = {0xFF3030, 0x78DC5A, 0x3080FF, 0xFFD000};
    for (int i = 0; i < 4; ++i) {
        s.Image("/DPISetting/DPIStage/" + std::to_string(levels[i]) + ".png", sliderX[i], 90);
        s.Image("/DPISetting/BK-DPIValue.png", editX[i], 220);
        s.Caption(std::to_string(levels[i] * 50), editX[i] + 20, 232, 9, Align::Centre);
        cairo_rectangle(s.cr, sliderX[i], 255, 10, 10);
        Colour(s.cr, swatches[i]);
        cairo_fill(s.cr);
    }
    s.Header("LIGHTING", 734, 285);
    s.Image("/Lighting/BK_Lighting.png", 734, 305);
    const char* effects[3] = {"Standard", "Breathing", "Spectrum"};
    for (int r = 0; r < 3; ++r) {
        s.Image(r == 1 ? "/Enable.png" : "/Disable.png", 744, 325 + 29 * r);
        s.Caption(effects[r], 759, 333 + 29 * r, 9);
        s.Image("/Lighting/" + std::to_string(r + 2) + ".png", 834, 325 + 29 * r);
    }
    s.Header("USB REPORT RATE", 734, 418);
    s.Image("/USBReportRate/BK_USBReportRate.png", 734, 438);
    s.Image("/USBReportRate/1000HZ.png", 791, 443);
    // Bottom strip.
    s.Image("/button-config-normal.png", 18, 604);
    s.Caption("Config", 43, 623, 10);
    s.Image("/button-cancel-normal.png", 798, 604);
    s.Caption("Reset", 826, 623, 10, Align::Centre);
    s.Image("/button-cancel-over.png", 860, 604);
    s.Caption("Cancel", 888, 623, 10, Align::Centre);
    s.Image("/button-save-normal.png", 923, 604);
    s.Caption("Save", 951, 623, 10, Align::Centre);
    cairo_restore(s.cr);
}

void Label(Sheet& s, const std::string& text, double x, double y) { Text(s.cr, text, x, y, 11, kDim, false); }

}  // namespace

bool WriteContactSheet(const std::filesystem::path& folder, const std::filesystem::path& out) {
    const int width = 1720, height = 1150;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_rectangle(cr, 0, 0, width, height);
    Colour(cr, 0x0E0F11);
    cairo_fill(cr);
    Sheet s{cr, folder};
    Label(s, "Main window (sample captions)", 20, 18);
    MainWindow(s, 20, 26);
    Label(s, "Profile manager", 1040, 18);
    s.Image("/Config/Config.png", 1040, 26);
    s.Caption("Profile", 1050, 46, 10);
    s.Image("/button-close-normal.png", 1280, 34);
    s.Image("/Config/New-Config.png", 1054, 608);
    s.Caption("New", 1070, 617, 10);
    Label(s, "LED colour dialog (bitmap sheet, normal)", 1320, 18);
    cairo_save(cr);
    cairo_translate(cr, 1320, 26);
    DrawColourDialogPreview(cr);
    Text(cr, "LED Color Pick", 96, 33, 12, 0xFFFFFF);
    cairo_restore(cr);
    Label(s, "Macro manager", 20, 686);
    s.Image("/MacroManagement/MacroManagement.png", 20, 694);
    s.Image("/macro-button-close-normal.png", 447, 711);
    s.Image("/MacroManagement/Record-normal.png", 315, 781);
    s.Image("/MacroManagement/button-new-normal.png", 37, 1061);
    s.Image("/MacroManagement/button-new-over.png", 97, 1061);
    s.Image("/MacroManagement/button-cancel-over.png", 318, 1088);
    s.Image("/MacroManagement/button-cancel-normal.png", 374, 1088);
    s.Image("/MacroManagement/PaneMakingTick.png", 390, 838);
    Label(s, "Key capture and macro assignment", 530, 686);
    s.Image("/single-key.png", 530, 694);
    s.Image("/combo-key.png", 930, 694);
    s.Image("/MacroManagement/button-new-over.png", 780, 944);
    s.Image("/MacroManagement/button-new-normal.png", 844, 944);
    s.Image("/button-close-normal.png", 882, 700);
    s.Image("/MacroManagement/button-new-normal.png", 1180, 944);
    s.Image("/MacroManagement/button-new-normal.png", 1244, 944);
    s.Image("/button-close-over.png", 1282, 700);
    Label(s, "Report rate, speed and angle snap", 1330, 686);
    const int hz[4] = {125, 250, 500, 1000};
    for (int i = 0; i < 4; ++i)
        s.Image("/USBReportRate/" + std::to_string(hz[i]) + "HZ.png", 1330 + (i % 2) * 150, 694 + (i / 2) * 134);
    s.Image("/MouseAttribute/Speed/4.png", 1330, 968);
    s.Image("/MouseAttribute/Speed/11.png", 1490, 968);
    s.Image("/AngleSnap/1.png", 1300, 1058);
    s.Image("/AngleSnap/8.png", 1510, 1058);
    const bool ok = s.ok;
    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(surface, out.string().c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok && written;
}

}  // namespace skin
