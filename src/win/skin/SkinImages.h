#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/platform/Notifier.h"
#include "core/skin/DialogBackgrounds.h"
#include "win/platform/ExecutablePath.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// A PNG of the skin decoded into a device-independent section: 32 bits per pixel, premultiplied,
// when the file has alpha; the same layout without blending otherwise.
struct DecodedImage {
    UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
    bool alpha = false;
};

// The decoded picture of a file, decoded once for the run: the skin does not change while the
// program runs. A file that cannot be decoded is not remembered, so it is tried again next time.
const DecodedImage* CachedPng(const std::wstring& path);

// Draws a PNG at its natural size with its top-left corner at (x, y): per-pixel alpha when it has
// alpha, opaque otherwise. False when there is no surface or the file cannot be decoded.
bool DrawPng(HDC dc, const std::wstring& path, int x, int y);

// The same drawing; a file that cannot be decoded is reported to the user.
bool LoadPng(HWND owner, HDC dc, const std::wstring& path, int x, int y);
bool LoadPng(Notifier& notifier, HDC dc, const std::wstring& path, int x, int y);

inline constexpr wchar_t kLoadPngFailure[] = L"LoadPng---Load image failed.";

// The width and height of a picture, read from its header (a picture not drawn yet is not
// decoded for it); none when the file is missing or its header is damaged.
std::optional<SIZE> PngImageSize(const std::wstring& path);

// Decodes a window's background picture into a bitmap of its own (the caller owns it) and gives
// the window the picture's size without moving it. A window whose picture cannot be decoded gets
// size zero and no bitmap.
HBITMAP LoadWindowBackground(HWND window, const std::wstring& path);

// A dialog's background: as above, and a failure is reported with the dialog's own title.
HBITMAP LoadDialogBackground(HWND dialog, const std::wstring& skinFolder, SkinnedDialog kind, Notifier& notifier);

}  // namespace ravix::win
