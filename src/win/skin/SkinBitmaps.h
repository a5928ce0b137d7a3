#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/skin/PngPicture.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// A PNG picture of the program's own resources, decoded by the skin's PNG reader and held as a
// GDI+ picture for drawing with colour matrices. The picture draws straight from the decoded
// pixels, which live as long as it does.
class CGdiPlusBitmapResource {
public:
    CGdiPlusBitmapResource() = default;
    CGdiPlusBitmapResource(const CGdiPlusBitmapResource&) = delete;
    CGdiPlusBitmapResource& operator=(const CGdiPlusBitmapResource&) = delete;

    bool Load(UINT id, const wchar_t* type = L"PNG", HMODULE module = nullptr);
    Gdiplus::Bitmap* Bitmap() const { return m_bitmap.get(); }

private:
    void Release();
    PngPicture m_picture;  // declared first: it outlives the GDI+ picture drawn from it
    std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
};

// A Windows bitmap file (or any picture the OLE loader knows) as a device-dependent bitmap. On
// success the bitmap held before is deleted and replaced; on failure it is kept and false returned.
bool LoadBitmapFile(const std::wstring& path, UniqueBitmap& bitmap, int& width, int& height);

// A memory DC with a bitmap of its own selected into it.
class MemorySurface {
public:
    MemorySurface() = default;
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    // A surface of the size given, compatible with `reference`; false (and no surface) when the
    // system could not make one.
    bool Create(HDC reference, int width, int height);
    void Release();
    HDC Dc() const { return m_dc.Get(); }
    explicit operator bool() const { return m_dc.Valid(); }

private:
    // Undone in reverse: the bitmap is selected out before either is deleted.
    UniqueDc m_dc;
    UniqueBitmap m_bitmap;
    std::optional<SelectedObject> m_selection;
};

// Copies `width` x `height` pixels of `source` from (sourceX, sourceY) to (x, y) of `target`.
bool DrawBitmap(HDC target, int x, int y, int width, int height, HBITMAP source, int sourceX = 0, int sourceY = 0);

// An off-screen surface for one paint: everything drawn on it, in the target's coordinates, is
// copied to the target in one block when it goes away.
class XCMemDC {
public:
    // An absent rectangle stands for the target's current clip box.
    XCMemDC(HDC target, const RECT* rect = nullptr);
    XCMemDC(const XCMemDC&) = delete;
    XCMemDC& operator=(const XCMemDC&) = delete;
    ~XCMemDC();

    HDC Dc() const { return m_surface ? m_surface.Dc() : m_target; }
    operator HDC() const { return Dc(); }

private:
    HDC m_target;
    MemorySurface m_surface;  // none when drawing goes straight to the target
    RECT m_rect{};
};

// Answers WM_ERASEBKGND and WM_PAINT for a window that draws all of itself in one pass of `draw`
// (through an off-screen surface): the erase does nothing, since erasing first would only flicker
// and drawing there too would draw twice; false for any other message.
bool AnswerSkinnedPaint(HWND window, UINT message, LRESULT& result, const std::function<void(HDC)>& draw);

// Replaces `destination` with a copy of the rectangle (left, top, right, bottom) of `source`,
// compatible with the surface. Does nothing when there is no source.
void CropBitmap(HDC dc, UniqueBitmap& destination, HBITMAP source, const RECT& rect);

// The shape of every pixel of the bitmap that is not pure white; none when there is no bitmap or
// no surface could be made.
UniqueRegion BitmapToRegion(HBITMAP bitmap);

}  // namespace ravix::win
