#include "win/skin/SkinImages.h"

#include <cstring>
#include <map>
#include <optional>

#include "core/skin/Pixels.h"
#include "core/skin/PngPicture.h"
#include "core/skin/SkinPaths.h"
#include "win/platform/ExecutablePath.h"
#include "win/platform/WinNotifier.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {
namespace {

// Decodes a file into a top-down 32-bit section; premultiplied when asked and the file has alpha.
std::optional<DecodedImage> Decode(const std::wstring& path, bool premultiply) {
    std::optional<PngPicture> picture = ReadPngFile(path);
    if (!picture) return std::nullopt;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture->width;
    info.bmiHeader.biHeight = -picture->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    DecodedImage decoded{UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)),
                         picture->width, picture->height, picture->alpha};
    if (!decoded.bitmap) return std::nullopt;
    if (decoded.alpha && premultiply) Premultiply(picture->Bgra());
    std::memcpy(bits, picture->Bgra().data(), picture->Bgra().size());
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
    if (auto found = Cache().find(path); found != Cache().end()) return SIZE{found->second.width, found->second.height};
    const std::optional<PngSize> size = ReadPngSize(path);
    if (!size) return std::nullopt;
    return SIZE{size->width, size->height};
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
