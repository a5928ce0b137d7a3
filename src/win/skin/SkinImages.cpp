#include "win/skin/SkinImages.h"

#include <gdiplus.h>

#include <cstring>
#include <map>
#include <optional>
#include <span>

#include "core/skin/Pixels.h"
#include "core/skin/SkinPaths.h"
#include "win/platform/ExecutablePath.h"
#include "win/platform/WinNotifier.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {
namespace {

// Decodes a file with GDI+ into a top-down 32-bit section; premultiplied when asked and the file
// has alpha.
std::optional<DecodedImage> Decode(const std::wstring& path, bool premultiply) {
    Gdiplus::Bitmap source(path.c_str());
    if (source.GetLastStatus() != Gdiplus::Ok) return std::nullopt;
    const int width = static_cast<int>(source.GetWidth()), height = static_cast<int>(source.GetHeight());
    if (width <= 0 || height <= 0) return std::nullopt;
    const bool alpha = Gdiplus::IsAlphaPixelFormat(source.GetPixelFormat());

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    DecodedImage decoded{UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)), width,
                         height, alpha};
    if (!decoded.bitmap) return std::nullopt;

    Gdiplus::Rect rect(0, 0, width, height);
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(width);
    data.Height = static_cast<UINT>(height);
    data.Stride = width * 4;
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = bits;
    if (source.LockBits(&rect, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return std::nullopt;
    source.UnlockBits(&data);
    if (alpha && premultiply)
        Premultiply(std::span(static_cast<std::uint8_t*>(bits), static_cast<std::size_t>(width) * height * 4));
    return decoded;
}

// Decoded pictures of the run, by path.
std::map<std::wstring, DecodedImage>& Cache() {
    static std::map<std::wstring, DecodedImage> cache;
    return cache;
}

bool Blit(HDC dc, const DecodedImage& image, int x, int y) {
    if (!image.alpha) return DrawBitmap(dc, x, y, image.width, image.height, image.bitmap.Get());
    const UniqueDc memory(CreateCompatibleDC(dc));
    if (!memory) return false;
    const SelectedObject selected(memory.Get(), image.bitmap.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return GdiAlphaBlend(dc, x, y, image.width, image.height, memory.Get(), 0, 0, image.width, image.height,
                         blend) != FALSE;
}

}  // namespace

const DecodedImage* CachedPng(const std::wstring& path) {
    auto& cache = Cache();
    if (auto found = cache.find(path); found != cache.end()) return &found->second;
    std::optional<DecodedImage> decoded = Decode(path, true);
    if (!decoded) return nullptr;
    return &cache.emplace(path, std::move(*decoded)).first->second;
}

bool DrawPng(HDC dc, const std::wstring& path, int x, int y) {
    if (!dc) return false;
    const DecodedImage* image = CachedPng(path);
    return image && Blit(dc, *image, x, y);
}

bool LoadPng(Notifier& notifier, HDC dc, const std::wstring& path, int x, int y) {
    if (!dc) return false;
    const DecodedImage* image = CachedPng(path);
    if (!image) {
        notifier.ShowMessage(kLoadPngFailure, ApplicationTitle());
        return false;
    }
    return Blit(dc, *image, x, y);
}

bool LoadPng(HWND owner, HDC dc, const std::wstring& path, int x, int y) {
    WinNotifier notifier(owner);
    return LoadPng(notifier, dc, path, x, y);
}

std::optional<SIZE> PngImageSize(const std::wstring& path) {
    const DecodedImage* image = CachedPng(path);
    if (!image) return std::nullopt;
    return SIZE{image->width, image->height};
}

HBITMAP LoadWindowBackground(HWND window, const std::wstring& path) {
    std::optional<DecodedImage> decoded = Decode(path, false);
    const int width = decoded ? decoded->width : 0, height = decoded ? decoded->height : 0;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return decoded ? decoded->bitmap.Detach() : nullptr;
}

HBITMAP LoadDialogBackground(HWND dialog, const std::wstring& skinFolder, SkinnedDialog kind, Notifier& notifier) {
    HBITMAP bitmap = LoadWindowBackground(dialog, SkinImagePath(skinFolder, BackgroundImageName(kind)));
    if (!bitmap) notifier.ShowMessage(kBackgroundFailureText, BackgroundFailureTitle(kind));
    return bitmap;
}

}  // namespace ravix::win
