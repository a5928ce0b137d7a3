#include "win/skin/SkinImages.h"

#include <gdiplus.h>

#include <cstring>
#include <map>
#include <memory>
#include <span>

#include "core/app/ModulePaths.h"
#include "core/skin/Pixels.h"
#include "core/skin/SkinPaths.h"

namespace ravix::win {
namespace {

struct Decoded {
    DecodedImage image;
    Decoded() = default;
    Decoded(const Decoded&) = delete;
    Decoded& operator=(const Decoded&) = delete;
    ~Decoded() {
        if (image.bitmap) DeleteObject(image.bitmap);
    }
};

// Decodes a file with GDI+ into a top-down 32-bit section; premultiplied when asked and the file
// has alpha.
std::unique_ptr<Decoded> Decode(const std::wstring& path, bool premultiply) {
    Gdiplus::Bitmap source(path.c_str());
    if (source.GetLastStatus() != Gdiplus::Ok) return nullptr;
    const int width = static_cast<int>(source.GetWidth()), height = static_cast<int>(source.GetHeight());
    if (width <= 0 || height <= 0) return nullptr;
    const bool alpha = Gdiplus::IsAlphaPixelFormat(source.GetPixelFormat());

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) return nullptr;
    auto decoded = std::make_unique<Decoded>();
    decoded->image = {section, width, height, alpha};

    Gdiplus::Rect rect(0, 0, width, height);
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(width);
    data.Height = static_cast<UINT>(height);
    data.Stride = width * 4;
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = bits;
    if (source.LockBits(&rect, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return nullptr;
    source.UnlockBits(&data);
    if (alpha && premultiply)
        Premultiply(std::span(static_cast<std::uint8_t*>(bits), static_cast<std::size_t>(width) * height * 4));
    return decoded;
}

// Decoded pictures of the run, by path.
std::map<std::wstring, std::unique_ptr<Decoded>>& Cache() {
    static std::map<std::wstring, std::unique_ptr<Decoded>> cache;
    return cache;
}

bool Blit(HDC dc, const DecodedImage& image, int x, int y) {
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return false;
    HGDIOBJ old = SelectObject(memory, image.bitmap);
    BOOL done;
    if (image.alpha) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        done = GdiAlphaBlend(dc, x, y, image.width, image.height, memory, 0, 0, image.width, image.height, blend);
    } else {
        done = BitBlt(dc, x, y, image.width, image.height, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    return done != FALSE;
}

}  // namespace

const DecodedImage* CachedPng(const std::wstring& path) {
    auto& cache = Cache();
    if (auto found = cache.find(path); found != cache.end()) return &found->second->image;
    std::unique_ptr<Decoded> decoded = Decode(path, true);
    if (!decoded) return nullptr;
    return &cache.emplace(path, std::move(decoded)).first->second->image;
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
    WindowNotifier notifier(owner);
    return LoadPng(notifier, dc, path, x, y);
}

std::optional<SIZE> PngImageSize(const std::wstring& path) {
    const DecodedImage* image = CachedPng(path);
    if (!image) return std::nullopt;
    return SIZE{image->width, image->height};
}

HBITMAP LoadWindowBackground(HWND window, const std::wstring& path) {
    std::unique_ptr<Decoded> decoded = Decode(path, false);
    const int width = decoded ? decoded->image.width : 0, height = decoded ? decoded->image.height : 0;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!decoded) return nullptr;
    HBITMAP bitmap = decoded->image.bitmap;
    decoded->image.bitmap = nullptr;
    return bitmap;
}

HBITMAP LoadDialogBackground(HWND dialog, const std::wstring& skinFolder, SkinnedDialog kind, Notifier& notifier) {
    HBITMAP bitmap = LoadWindowBackground(dialog, SkinImagePath(skinFolder, BackgroundImageName(kind)));
    if (!bitmap) notifier.ShowMessage(kBackgroundFailureText, BackgroundFailureTitle(kind));
    return bitmap;
}

void WindowNotifier::ShowMessage(const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(m_owner, text.c_str(), caption.c_str(), MB_OK);
}

std::wstring ApplicationTitle() {
    wchar_t path[1024] = {};
    GetModuleFileNameW(nullptr, path, 1024);
    return ApplicationName(path);
}

}  // namespace ravix::win
