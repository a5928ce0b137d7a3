#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <string>

namespace ravix::win {

// A PNG picture of the program's own resources, decoded with GDI+. The memory block the picture
// is read from lives as long as the picture.
class CGdiPlusBitmapResource {
public:
    CGdiPlusBitmapResource() = default;
    CGdiPlusBitmapResource(const CGdiPlusBitmapResource&) = delete;
    CGdiPlusBitmapResource& operator=(const CGdiPlusBitmapResource&) = delete;
    ~CGdiPlusBitmapResource() { Release(); }

    bool Load(UINT id, const wchar_t* type = L"PNG", HMODULE module = nullptr);
    Gdiplus::Bitmap* Bitmap() const { return m_bitmap; }

private:
    void Release();
    Gdiplus::Bitmap* m_bitmap = nullptr;
    HGLOBAL m_block = nullptr;
};

// A Windows bitmap file (or any picture the OLE loader knows) as a device-dependent bitmap. On
// success the bitmap held before is deleted and replaced; on failure it is kept and false returned.
bool LoadBitmapFile(const std::wstring& path, HBITMAP& bitmap, int& width, int& height);

// An off-screen surface for one paint: everything drawn on it, in the target's coordinates, is
// copied to the target in one block when it goes away.
class XCMemDC {
public:
    // An absent rectangle stands for the target's current clip box.
    XCMemDC(HDC target, const RECT* rect = nullptr);
    XCMemDC(const XCMemDC&) = delete;
    XCMemDC& operator=(const XCMemDC&) = delete;
    ~XCMemDC();

    HDC Dc() const { return m_offScreen ? m_memory : m_target; }
    operator HDC() const { return Dc(); }

private:
    HDC m_target;
    HDC m_memory = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    RECT m_rect{};
    bool m_offScreen = false;
};

// Replaces `destination` with a copy of the rectangle (left, top, right, bottom) of `source`,
// compatible with the surface. Does nothing when there is no source.
void CropBitmap(HDC dc, HBITMAP& destination, HBITMAP source, const RECT& rect);

// The shape of every pixel of the bitmap that is not pure white, as a region the caller owns;
// none when there is no bitmap or no surface could be made.
HRGN BitmapToRegion(HBITMAP bitmap);

}  // namespace ravix::win
