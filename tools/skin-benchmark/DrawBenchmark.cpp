// Prints what drawing skin pictures costs the first time (decoding included) and the second time
// (from the run's cache), and what a full repaint of the main window costs with its pictures
// cached. Run by tools/skin-benchmark.sh under Wine.
#include <windows.h>
#include <gdiplus.h>

#include <cstdio>
#include <string>

#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"
#include "win/editor/MainWindowPainter.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class NoMessages final : public ravix::Notifier {
public:
    void ShowMessage(const std::wstring&, const std::wstring&) override {}
};

// The main window's whole picture with Button Assignment, X/Y Sensitivity and DPI Setting
// expanded, through the off-screen surface the window paints with; the best of ten repaints
// after a first one that decodes the pictures.
double FullRepaintMs(HDC dc, const std::wstring& skinFolder) {
    ravix::MainWindowState state;
    for (ravix::Section section :
         {ravix::Section::ButtonAssignment, ravix::Section::Sensitivity, ravix::Section::Dpi})
        state.layout.expanded[static_cast<std::size_t>(section)] = true;
    const ravix::MainWindowLayout layout = ravix::LayOutMainWindow(state.layout, ravix::CatalogueBodyHeights());
    ravix::win::WindowLook look{ravix::Language::English, ravix::TextCatalogueFor(ravix::Language::English),
                                nullptr, skinFolder};
    ravix::ProfileSettings settings{};
    ravix::ProfileText text;
    text.labels = look.texts.buttonNames;
    NoMessages notifier;
    ravix::win::PageContext context{nullptr, state, settings, text, look, notifier};
    const ravix::win::SectionPages pages = ravix::win::MakeSectionPages(context);
    const HBITMAP background = ravix::win::LoadWindowBackground(nullptr, skinFolder + L"/main.png");
    const ravix::win::MainWindowPicture picture{look, background, state, layout, {}, RGB(0, 255, 0), pages};
    const RECT client{0, 0, 1000, 640};
    double best = 1e9;
    for (int run = 0; run <= 10; ++run) {
        LARGE_INTEGER t0, t1;
        QueryPerformanceCounter(&t0);
        {
            ravix::win::XCMemDC surface(dc, &client);
            ravix::win::PaintMainWindow(surface, picture);
        }
        QueryPerformanceCounter(&t1);
        if (run > 0 && Milliseconds(t0, t1) < best) best = Milliseconds(t0, t1);
    }
    if (background) DeleteObject(background);
    return best;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: %ls SKIN_FOLDER\n", argv[0]);
        return 2;
    }
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 1000, 640);
    HGDIOBJ old = SelectObject(dc, target);
    const wchar_t* images[] = {L"/main.png", L"/Mouse/Front/MouseFront.png", L"/USBReportRate/1000HZ.png",
                               L"/DPISetting/DPIStage/50.png"};
    int status = 0;
    for (const wchar_t* name : images) {
        const std::wstring path = std::wstring(argv[1]) + name;
        LARGE_INTEGER t0, t1, t2;
        QueryPerformanceCounter(&t0);
        const bool first = ravix::win::DrawPng(dc, path, 0, 0);
        QueryPerformanceCounter(&t1);
        const bool second = ravix::win::DrawPng(dc, path, 0, 0);
        QueryPerformanceCounter(&t2);
        if (!first || !second) {
            std::wprintf(L"%-32ls cannot be drawn\n", name);
            status = 1;
            continue;
        }
        const double a = Milliseconds(t0, t1), b = Milliseconds(t1, t2);
        std::wprintf(L"%-32ls first draw %8.3f ms   second draw %8.3f ms   second/first %.3f\n", name, a, b, b / a);
    }
    std::wprintf(L"full repaint of the main window %8.3f ms (a frame is 16 ms)\n", FullRepaintMs(dc, argv[1]));
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    Gdiplus::GdiplusShutdown(token);
    return status;
}
