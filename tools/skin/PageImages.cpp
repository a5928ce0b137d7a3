// The section bodies of the main window and the pictures of their settings: sliders, dials,
// radio marks and fields.
#include <algorithm>
#include <cmath>
#include <string>

#include "Draw.h"
#include "Images.h"
#include "core/editor/SliderPositions.h"

namespace skin {
namespace {

using namespace colour;

void Body(cairo_t* cr, int w, int h) {
    FillVertical(cr, 0, 0, w, h, 0x1D2024, kPanel);
    HLine(cr, 0, w, 0, 0x000000, 0.35);
    VLine(cr, 0, 0, h, 0x2A2D33);
    VLine(cr, w - 1, 0, h, 0x2A2D33);
    HLine(cr, 0, w, h - 1, 0x2A2D33);
}

void Well(cairo_t* cr, double x, double y, double w, double h, double r, std::uint32_t border) {
    RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, r);
    Colour(cr, kWell);
    cairo_fill_preserve(cr);
    Colour(cr, border);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A horizontal track with a knob; `fillTo` is the knob's centre.
void HorizontalSlider(cairo_t* cr, int w, int h, double knobX) {
    const double cy = h / 2.0;
    RoundedRect(cr, 1, cy - 1.5, w - 2, 3, 1.5);
    Colour(cr, 0x2E3238);
    cairo_fill(cr);
    RoundedRect(cr, 1, cy - 1.5, std::max(3.0, knobX), 3, 1.5);
    Colour(cr, kAccent);
    cairo_fill(cr);
    const double r = std::min(4.0, h / 2.0);
    Glow(cr, knobX, cy, r + 4, kAccent, 0.35);
    cairo_arc(cr, knobX, cy, r, 0, 2 * kPi);
    Colour(cr, kAccent);
    cairo_fill(cr);
    cairo_arc(cr, knobX, cy, r - 2, 0, 2 * kPi);
    Colour(cr, 0xF2F5F0);
    cairo_fill(cr);
}

// A knob stands where the editor places it: where a press keeps its position (pixel centres).
double TenPositionCentre(int p) { return ravix::TenPositionCentre(p) + 0.5; }
double FivePositionCentre(int p) { return std::max(4.0, ravix::FivePositionCentre(p) + 0.5); }

void DpiStage(cairo_t* cr, int w, int h, int level) {
    const double cx = w / 2.0;
    const double knobY = std::clamp(112.0 - level, 4.0, h - 3.0);
    RoundedRect(cr, cx - 1.5, 3, 3, h - 5, 1.5);
    Colour(cr, 0x2E3238);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, knobY, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.47, 0.86, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.48, 0.18);
    RoundedRect(cr, cx - 1.5, knobY, 3, h - 2 - knobY, 1.5);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Glow(cr, cx, knobY, 8, kAccent, 0.4);
    RoundedRect(cr, 0, knobY - 2.5, w, 5, 2.5);
    Colour(cr, 0xF2F5F0);
    cairo_fill(cr);
    RoundedRect(cr, 2, knobY - 0.5, w - 4, 1, 0.5);
    Colour(cr, kAccent);
    cairo_fill(cr);
}

void RingSegment(cairo_t* cr, double cx, double cy, double r0, double r1, double a0, double a1) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r1, a0, a1);
    cairo_arc_negative(cr, cx, cy, r0, a1, a0);
    cairo_close_path(cr);
}

void ReportRate(cairo_t* cr, int w, int, int hz) {
    const double c = w / 2.0;
    // Quadrants as the dial reads them: 1000 upper right, 125 upper left, 250 lower left, 500
    // lower right (angles clockwise from the right in screen coordinates).
    struct Quarter {
        int hz;
        double from;
        const char* label;
        double lx, ly;
    } quarters[] = {{1000, -kPi / 2, "1000", c + 35, c - 31},
                    {500, 0, "500", c + 35, c + 39},
                    {250, kPi / 2, "250", c - 35, c + 39},
                    {125, kPi, "125", c - 35, c - 31}};
    cairo_arc(cr, c, c, 63.5, 0, 2 * kPi);
    Colour(cr, kWell);
    cairo_fill(cr);
    for (const Quarter& q : quarters) {
        const bool on = q.hz == hz;
        RingSegment(cr, c, c, 37, 62, q.from + 0.05, q.from + kPi / 2 - 0.05);
        Colour(cr, on ? kAccentDeep : 0x262930);
        cairo_fill(cr);
        if (on) {
            RingSegment(cr, c, c, 58, 62, q.from + 0.05, q.from + kPi / 2 - 0.05);
            Colour(cr, kAccent);
            cairo_fill(cr);
        }
        Text(cr, q.label, q.lx, q.ly, 10, on ? 0xFFFFFF : kDim, on, Align::Centre);
    }
    cairo_arc(cr, c, c, 33, 0, 2 * kPi);
    Colour(cr, 0x1B1D21);
    cairo_fill_preserve(cr);
    Colour(cr, kLine);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    Text(cr, std::to_string(hz), c, c + 4, 15, kAccent, true, Align::Centre);
    Text(cr, "Hz", c, c + 17, 9, kDim, false, Align::Centre);
}

// The half dial of the pointer and double-click speeds: position p lights p - 1 of ten sectors,
// from slow on the left to fast on the right.
void SpeedDial(cairo_t* cr, int, int, int position) {
    const double cx = 71, cy = 71;
    const int lit = std::clamp(position - 1, 0, 10);
    for (int i = 0; i < 10; ++i) {
        const double a0 = kPi + i * kPi / 10 + 0.03, a1 = kPi + (i + 1) * kPi / 10 - 0.03;
        RingSegment(cr, cx, cy, 46, 68, a0, a1);
        if (i < lit) {
            cairo_pattern_t* p = cairo_pattern_create_linear(3, 0, 139, 0);
            cairo_pattern_add_color_stop_rgb(p, 0, 0.25, 0.48, 0.18);
            cairo_pattern_add_color_stop_rgb(p, 1, 0.47, 0.86, 0.35);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        } else {
            Colour(cr, 0x262930);
            cairo_fill(cr);
        }
    }
    // Needle.
    const double angle = kPi + std::max(lit, 0) * kPi / 10;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 42 * std::cos(angle), cy + 42 * std::sin(angle));
    Colour(cr, 0xF2F5F0);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, 5, 0, 2 * kPi);
    Colour(cr, kAccent);
    cairo_fill(cr);
    Text(cr, std::to_string(lit), cx, cy - 16, 16, kText, true, Align::Centre);
}

// The angle-snap picture: a hand-drawn stroke and how far the mouse straightens it.
void AngleSnap(cairo_t* cr, int w, int h, int position) {
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 5);
    Colour(cr, kWell);
    cairo_fill_preserve(cr);
    Colour(cr, kLine);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int x = 12; x < w; x += 16) VLine(cr, x, 2, h - 2, 0xFFFFFF, 0.04);
    for (int y = 10; y < h; y += 16) HLine(cr, 2, w - 2, y, 0xFFFFFF, 0.04);
    const double strength = (position - 1) / 9.0;
    auto wobble = [&](double x) { return 10 * std::sin(x / 13.0) + 6 * std::sin(x / 5.3 + 1); };
    const double baseY = 46;
    // The raw stroke, faint.
    cairo_move_to(cr, 12, baseY + wobble(12));
    for (double x = 12; x <= w - 12; x += 2) cairo_line_to(cr, x, baseY + wobble(x));
    Colour(cr, kDim, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The stroke as the mouse reports it.
    cairo_move_to(cr, 12, baseY + wobble(12) * (1 - strength));
    for (double x = 12; x <= w - 12; x += 2) cairo_line_to(cr, x, baseY + wobble(x) * (1 - strength));
    Colour(cr, kAccent);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    const std::string label = position == 1 ? "OFF" : "LEVEL " + std::to_string(position - 1);
    Text(cr, label, w - 10, h - 8, 10, position == 1 ? kDim : kAccent, true, Align::Right);
}

void Radio(cairo_t* cr, int w, int h, bool on) {
    const double cx = w / 2.0, cy = h / 2.0, r = std::min(w, h) / 2.0 - 0.5;
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    Colour(cr, kWell);
    cairo_fill_preserve(cr);
    Colour(cr, on ? kAccent : 0x5A606A);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (on) {
        cairo_arc(cr, cx, cy, r - 2.2, 0, 2 * kPi);
        Colour(cr, kAccent);
        cairo_fill(cr);
    }
}

void Dropdown(cairo_t* cr, int w, int h, int look) {  // 0 resting, 1 pointer over, 2 open
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3);
    Colour(cr, look == 2 ? 0x1E2A1B : kWell);
    cairo_fill_preserve(cr);
    Colour(cr, look == 0 ? 0x40444C : kAccent);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    RoundedRect(cr, w - 16, 1, 15, h - 2, 2);
    Colour(cr, look == 0 ? 0x2A2D33 : kAccentDeep);
    cairo_fill(cr);
    const double ax = w - 8.5, ay = h / 2.0;
    if (look == 2) {
        cairo_move_to(cr, ax - 3.5, ay + 2);
        cairo_line_to(cr, ax, ay - 2);
        cairo_line_to(cr, ax + 3.5, ay + 2);
    } else {
        cairo_move_to(cr, ax - 3.5, ay - 2);
        cairo_line_to(cr, ax, ay + 2);
        cairo_line_to(cr, ax + 3.5, ay - 2);
    }
    Colour(cr, look == 0 ? 0xB8BDC4 : 0xFFFFFF);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void ButtonAssignmentBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    for (int k = 0; k < 8; ++k) {
        const double y = 25 + 20 * k;
        if (k % 2 == 0) {
            cairo_rectangle(cr, 1, y, w - 2, 20);
            Colour(cr, 0xFFFFFF, 0.025);
            cairo_fill(cr);
        }
        // A small marker in front of each row's name.
        RoundedRect(cr, 8, y + 7, 3, 6, 1);
        Colour(cr, kAccent, 0.8);
        cairo_fill(cr);
    }
}

void SliderTicks(cairo_t* cr, double x, double y) {
    for (int p = 1; p <= 10; ++p) VLine(cr, x + std::round(TenPositionCentre(p)), y, y + 3, kDim, 0.7);
}

void XYBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    SliderTicks(cr, 17, 51);
    SliderTicks(cr, 17, 111);
    HLine(cr, 12, w - 12, 70, kLine);
}

void DpiBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    const double sliders[4] = {41, 91, 151, 201};
    // The two groups of the DPI button, divided.
    VLine(cr, 121, 14, 214, kLine);
    for (double x : sliders) {
        RoundedRect(cr, x - 3, 34, 16, 121, 5);
        Colour(cr, kWell, 0.7);
        cairo_fill(cr);
        for (int i = 0; i <= 10; ++i) HLine(cr, x + 12, x + 15, 40 + 10.4 * i, kDim, 0.5);
        // The swatch's frame below.
        Frame(cr, x - 2, 201, 14, 14, 0x5A606A);
    }
}

void LightingBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    HLine(cr, 10, w - 10, 44, kLine, 0.7);
    HLine(cr, 10, w - 10, 73, kLine, 0.7);
    for (double y : {24.0, 53.0, 82.0})
        for (int p = 1; p <= 5; ++p) VLine(cr, 100 + std::round(FivePositionCentre(p)), y + 6, y + 8, kDim, 0.7);
}

void ReportRateBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    Glow(cr, w / 2.0, 69, 80, kAccent, 0.06);
}

void MouseAttributeBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    Glow(cr, w / 2.0, 91, 80, kAccent, 0.05);
    HLine(cr, 10, w - 10, 104, kLine, 0.7);
}

void ScrollSpeedBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    HLine(cr, 10, w - 10, 40, kLine, 0.7);
    for (int up = 0; up < 2; ++up) {
        const double y = up ? 15 : 23;
        RoundedRect(cr, 190, y, 10, 6, 1.5);
        Colour(cr, 0x2E3238);
        cairo_fill(cr);
        cairo_move_to(cr, 192, up ? y + 4.5 : y + 1.5);
        cairo_line_to(cr, 195, up ? y + 1.5 : y + 4.5);
        cairo_line_to(cr, 198, up ? y + 4.5 : y + 1.5);
        Colour(cr, kAccent);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
}

void AngleSnapBody(cairo_t* cr, int w, int h) {
    Body(cr, w, h);
    SliderTicks(cr, 20, 117);
}

}  // namespace

void AddPageImages(PainterTable& t) {
    t["/ButtonAssignment/BK_ButtonAssignment.png"] = {ButtonAssignmentBody, true};
    t["/XYSensitivity/BK_XYSensSetting.png"] = {XYBody, true};
    t["/DPISetting/BK_DPISetting.png"] = {DpiBody, true};
    t["/Lighting/BK_Lighting.png"] = {LightingBody, true};
    t["/USBReportRate/BK_USBReportRate.png"] = {ReportRateBody, true};
    t["/MouseAttribute/BK_MouseAttribute.png"] = {MouseAttributeBody, true};
    t["/MouseAttribute/BK_ScrollSpeed.png"] = {ScrollSpeedBody, true};
    t["/AngleSnap/BK_AngleSnap.png"] = {AngleSnapBody, true};

    auto field = [](cairo_t* cr, int w, int h) { Well(cr, 0, 0, w, h, 3, 0x40444C); };
    t["/DPISetting/BK-DPIValue.png"] = {field};
    t["/MouseAttribute/ScrollSpeed/ScrollLines.png"] = {field};
    t["/Enable.png"] = {[](cairo_t* cr, int w, int h) { Radio(cr, w, h, true); }};
    t["/Disable.png"] = {[](cairo_t* cr, int w, int h) { Radio(cr, w, h, false); }};
    t["/MouseAttribute/ScrollSpeed/Enable.png"] = {[](cairo_t* cr, int w, int h) { Radio(cr, w, h, true); }};
    t["/MouseAttribute/ScrollSpeed/Disable.png"] = {[](cairo_t* cr, int w, int h) { Radio(cr, w, h, false); }};
    for (int look = 0; look < 3; ++look) {
        const char* state[] = {"normal", "over", "leave"};
        t[std::string("/ButtonAssignment/DropdownBox-") + state[look] + ".png"] = {
            [look](cairo_t* cr, int w, int h) { Dropdown(cr, w, h, look); }};
    }
    for (int p = 1; p <= 10; ++p) {
        t["/StageSlider/" + std::to_string(p) + ".png"] = {
            [p](cairo_t* cr, int w, int h) { HorizontalSlider(cr, w, h, TenPositionCentre(p)); }};
        t["/AngleSnap/" + std::to_string(p) + ".png"] = {[p](cairo_t* cr, int w, int h) { AngleSnap(cr, w, h, p); }};
    }
    for (int p = 1; p <= 5; ++p)
        t["/Lighting/" + std::to_string(p) + ".png"] = {
            [p](cairo_t* cr, int w, int h) { HorizontalSlider(cr, w, h, FivePositionCentre(p)); }};
    for (int level = 1; level <= 100; ++level)
        t["/DPISetting/DPIStage/" + std::to_string(level) + ".png"] = {
            [level](cairo_t* cr, int w, int h) { DpiStage(cr, w, h, level); }};
    for (int hz : {125, 250, 500, 1000})
        t["/USBReportRate/" + std::to_string(hz) + "HZ.png"] = {
            [hz](cairo_t* cr, int w, int h) { ReportRate(cr, w, h, hz); }};
    for (int p = 1; p <= 11; ++p)
        t["/MouseAttribute/Speed/" + std::to_string(p) + ".png"] = {
            [p](cairo_t* cr, int w, int h) { SpeedDial(cr, w, h, p); }};
}

}  // namespace skin
