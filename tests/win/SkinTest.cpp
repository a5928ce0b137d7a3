// The skin toolkit under Wine: PNG drawing and its cache, the failure reports, the resource picture,
// window shapes from masks, and the numeric spin field.
#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "GdiplusSuite.h"
#include "core/skin/RegionRuns.h"
#include "resource.h"
#include "tests/fakes/FakeNotifier.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinFields.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

// A 32-bit top-down section to draw on, filled with one colour.
struct Canvas {
    UniqueDc memory{CreateCompatibleDC(nullptr)};
    HDC dc = memory.Get();
    std::uint32_t* pixels = nullptr;
    UniqueBitmap bitmap;
    std::optional<SelectedObject> selected;
    int width;
    Canvas(int w, int h, std::uint32_t fill) : width(w) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap.Reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0));
        selected.emplace(dc, bitmap.Get());
        for (int i = 0; i < w * h; ++i) pixels[i] = fill;
    }
    // The canvas's bitmap, free for a function that selects it elsewhere.
    HBITMAP Unselected() {
        selected.reset();
        return bitmap.Get();
    }
    std::uint32_t At(int x, int y) {
        GdiFlush();
        return pixels[y * width + x] & 0xFFFFFF;
    }
};

std::wstring TempFile(const std::wstring& name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"ravix-skin-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

// Writes a PNG through GDI+: with alpha for 32-bit pixels (0xAARRGGBB), without for 24-bit ones.
void WritePng(const std::wstring& path, int w, int h, const std::vector<std::uint32_t>& argb, bool alpha) {
    Gdiplus::Bitmap bitmap(w, h, alpha ? PixelFormat32bppARGB : PixelFormat24bppRGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, Gdiplus::Color(argb[static_cast<std::size_t>(y * w + x)]));
    const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    ASSERT_EQ(bitmap.Save(path.c_str(), &png, nullptr), Gdiplus::Ok);
}

void ExpectNear(std::uint32_t actual, std::uint32_t expected, const char* what) {
    for (int shift : {0, 8, 16}) {
        const int a = static_cast<int>((actual >> shift) & 0xFF), e = static_cast<int>((expected >> shift) & 0xFF);
        EXPECT_NEAR(a, e, 1) << what << std::hex << " actual 0x" << actual << " expected 0x" << expected;
    }
}

class SkinTest : public test_support::GdiplusSuite {};

TEST_F(SkinTest, DrawPngCompositesAlphaAndCopiesOpaquePictures) {
    // Background 0x0000C8 as a DIB pixel: blue 200.
    const std::wstring withAlpha = TempFile(L"alpha.png"), opaque = TempFile(L"opaque.png");
    WritePng(withAlpha, 3, 1, {0x80FFFFFF, 0x00FF0000, 0xFF0AC81E}, true);
    WritePng(opaque, 2, 1, {0xFF112233, 0xFFFFFFFF}, false);
    Canvas canvas(6, 2, 0x0000C8);
    ASSERT_TRUE(DrawPng(canvas.dc, withAlpha, 0, 0));
    ExpectNear(canvas.At(0, 0), 0x8080E3, "half-transparent white over blue");
    EXPECT_EQ(canvas.At(1, 0), 0x0000C8u) << "alpha 0 is invisible whatever its colour";
    EXPECT_EQ(canvas.At(2, 0), 0x0AC81Eu) << "opaque pixels keep their colour";
    ASSERT_TRUE(DrawPng(canvas.dc, opaque, 4, 1));
    EXPECT_EQ(canvas.At(4, 1), 0x112233u);
    EXPECT_EQ(canvas.At(5, 1), 0xFFFFFFu);
    EXPECT_EQ(canvas.At(3, 1), 0x0000C8u) << "nothing drawn outside the picture";
    EXPECT_FALSE(DrawPng(nullptr, opaque, 0, 0));
    const auto size = PngImageSize(withAlpha);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->cx, 3);
    EXPECT_EQ(size->cy, 1);
    DeleteFileW(withAlpha.c_str());
    DeleteFileW(opaque.c_str());
}

TEST_F(SkinTest, DecodedPicturesAreKeptForTheRunButFailuresAreNot) {
    const std::wstring path = TempFile(L"cached.png");
    Canvas canvas(1, 1, 0);
    EXPECT_FALSE(DrawPng(canvas.dc, path, 0, 0));
    WritePng(path, 1, 1, {0xFF445566}, false);
    ASSERT_TRUE(DrawPng(canvas.dc, path, 0, 0)) << "a missing file is tried again";
    DeleteFileW(path.c_str());
    canvas.pixels[0] = 0;
    ASSERT_TRUE(DrawPng(canvas.dc, path, 0, 0)) << "a decoded file is drawn from memory";
    EXPECT_EQ(canvas.At(0, 0), 0x445566u);
}

TEST_F(SkinTest, FailuresAreReportedWithTheirMessages) {
    FakeNotifier notifier;
    Canvas canvas(1, 1, 0);
    EXPECT_FALSE(LoadPng(notifier, canvas.dc, TempFile(L"missing.png"), 0, 0));
    EXPECT_FALSE(LoadPng(notifier, canvas.dc, TempFile(L"missing.png"), 0, 0));
    ASSERT_EQ(notifier.messages.size(), 2u) << "reported at every paint while missing";
    EXPECT_EQ(notifier.messages[0], (FakeNotifier::Message{L"LoadPng---Load image failed.", ApplicationTitle()}));

    HWND window = CreateSkinChild(nullptr, {10, 10, 110, 60}, 0, WS_POPUP);
    ASSERT_TRUE(window);
    EXPECT_EQ(LoadDialogBackground(window, TempFile(L"no-skin"), SkinnedDialog::MacroManager, notifier), nullptr);
    ASSERT_EQ(notifier.messages.size(), 3u);
    EXPECT_EQ(notifier.messages[2],
              (FakeNotifier::Message{L"error", L"Macro Manager Dialog Load background image failed!!!"}));
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 0) << "a window without its picture has no size";

    const std::wstring picture = TempFile(L"back.png");
    WritePng(picture, 30, 20, std::vector<std::uint32_t>(600, 0xFF202020), false);
    const UniqueBitmap background(LoadWindowBackground(window, picture));
    ASSERT_TRUE(background);
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 10) << "not moved";
    EXPECT_EQ(rect.right - rect.left, 30);
    EXPECT_EQ(rect.bottom - rect.top, 20);
    DestroyWindow(window);
    DeleteFileW(picture.c_str());
}

TEST_F(SkinTest, ThumbPictureIsAProgramResource) {
    CGdiPlusBitmapResource thumb;
    ASSERT_TRUE(thumb.Load(IDB_PANEL_THUMB));
    EXPECT_EQ(thumb.Bitmap()->GetWidth(), 8u);
    EXPECT_EQ(thumb.Bitmap()->GetHeight(), 114u);
    EXPECT_TRUE(Gdiplus::IsAlphaPixelFormat(thumb.Bitmap()->GetPixelFormat()));
    Gdiplus::Color top, middle;
    thumb.Bitmap()->GetPixel(4, 0, &top);
    thumb.Bitmap()->GetPixel(4, 57, &middle);
    EXPECT_LT(top.GetA(), middle.GetA()) << "fades in at its ends";
    EXPECT_FALSE(thumb.Load(999));
    EXPECT_EQ(thumb.Bitmap(), nullptr);
}

TEST_F(SkinTest, BitmapFilesLoadThroughThePictureLoader) {
    // A 2 x 1 24-bit bottom-up bitmap file.
    std::array<std::uint8_t, 62> file{};
    const std::uint8_t header[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0,
                                   1,   0,   0,  0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0};
    std::copy(std::begin(header), std::end(header), file.begin());
    const std::uint8_t row[] = {0x30, 0x20, 0x10, 0xFF, 0xFF, 0xFF};  // blue, green, red per pixel
    std::copy(std::begin(row), std::end(row), file.begin() + 54);
    const std::wstring path = TempFile(L"sheet.bmp");
    {
        const UniqueHandle handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        WriteFile(handle.Get(), file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    }
    UniqueBitmap bitmap;
    int width = 0, height = 0;
    ASSERT_TRUE(LoadBitmapFile(path, bitmap, width, height));
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 1);
    Canvas canvas(2, 1, 0);
    ASSERT_TRUE(DrawBitmap(canvas.dc, 0, 0, 2, 1, bitmap.Get()));
    EXPECT_EQ(canvas.At(0, 0), 0x102030u);
    const HBITMAP before = bitmap.Get();
    EXPECT_FALSE(LoadBitmapFile(TempFile(L"none.bmp"), bitmap, width, height));
    EXPECT_EQ(bitmap.Get(), before) << "a failed load keeps the bitmap held before";
    DeleteFileW(path.c_str());
}

// A mask with more than 2000 runs, an off-white pixel and a white margin.
TEST_F(SkinTest, BitmapToRegionMatchesThePredictedRuns) {
    const int w = 130, h = 80;
    Canvas mask(w, h, 0xFFFFFF);
    for (int y = 0; y < h; ++y)
        for (int x = 5 + (y % 2); x < 125; x += 2) mask.pixels[y * w + x] = 0x000000;
    mask.pixels[3] = 0xFFFFFE;  // (255, 255, 254) is opaque
    GdiFlush();
    const std::vector<RegionRect> runs = OpaqueRuns({reinterpret_cast<const std::uint8_t*>(mask.pixels), w, h, w * 4});
    ASSERT_GT(runs.size(), 2000u);
    std::vector<bool> predicted(static_cast<std::size_t>(w * h), false);
    for (const RegionRect& r : runs)
        for (int x = r.left; x < r.right; ++x) predicted[static_cast<std::size_t>(r.top * w + x)] = true;

    const UniqueRegion region = BitmapToRegion(mask.Unselected());
    ASSERT_TRUE(region);
    int mismatches = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((PtInRegion(region.Get(), x, y) != FALSE) != predicted[static_cast<std::size_t>(y * w + x)])
                ++mismatches;
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(PtInRegion(region.Get(), 3, 0));

    Canvas white(4, 4, 0xFFFFFF);
    const UniqueRegion empty = BitmapToRegion(white.Unselected());
    ASSERT_TRUE(empty);
    RECT box{};
    EXPECT_EQ(GetRgnBox(empty.Get(), &box), NULLREGION);
    EXPECT_FALSE(BitmapToRegion(nullptr));
}

// Runs every message waiting for this thread; returns the spin field's notifications to its owner.
std::vector<std::pair<WPARAM, LPARAM>> Pump(HWND owner) {
    std::vector<std::pair<WPARAM, LPARAM>> told;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.hwnd == owner && msg.message == WM_SPIN_CHANGED) {
            told.emplace_back(msg.wParam, msg.lParam);
            continue;
        }
        if (CWnd::PreTranslateTree(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return told;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

TEST_F(SkinTest, SpinFieldTellsItsOwnerEveryChange) {
    HWND owner = CreateSkinChild(nullptr, {0, 0, 200, 100}, 0, WS_POPUP);
    CSpinWnd spin;
    spin.id = 402;
    spin.owner = owner;
    spin.decimalOnly = true;
    spin.range = {0, 255, 1};
    ASSERT_TRUE(spin.Create(owner, {20, 20, 77, 37}));
    Pump(owner);

    std::vector<WPARAM> values;
    for (wchar_t c : std::wstring(L"300")) {
        SendMessageW(spin.Edit(), WM_CHAR, c, 0);
        for (const auto& [value, id] : Pump(owner)) {
            values.push_back(value);
            EXPECT_EQ(id, 402);
        }
    }
    EXPECT_EQ(values, (std::vector<WPARAM>{3, 30, 255, 255}));
    EXPECT_EQ(TextOf(spin.Edit()), L"255");
    EXPECT_EQ(spin.Value(), 255);

    // Pasted text: hexadecimal capitals stay, anything else is cut down to its digits.
    SendMessageW(spin.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12AB"));
    Pump(owner);
    EXPECT_EQ(TextOf(spin.Edit()), L"12AB");
    EXPECT_EQ(spin.Value(), 12);
    SendMessageW(spin.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1 2"));
    Pump(owner);
    EXPECT_EQ(TextOf(spin.Edit()), L"12");

    // A letter key never reaches the field.
    MSG letter{spin.Edit(), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_TRUE(CWnd::PreTranslateTree(&letter));
    MSG digit{spin.Edit(), WM_KEYDOWN, '7', 0, 0, {}};
    EXPECT_FALSE(CWnd::PreTranslateTree(&digit));

    SendMessageW(spin.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    const auto emptied = Pump(owner);
    ASSERT_FALSE(emptied.empty());
    EXPECT_EQ(emptied.back().first, 0u);
    EXPECT_EQ(TextOf(spin.Edit()), L"");
    DestroyWindow(owner);
}

}  // namespace
}  // namespace ravix::win
