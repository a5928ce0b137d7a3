#include "win/skin/SkinBitmaps.h"

#include <ocidl.h>
#include <olectl.h>

#include <vector>

#include "core/skin/RegionRuns.h"

namespace ravix::win {

void CGdiPlusBitmapResource::Release() {
    delete m_bitmap;
    m_bitmap = nullptr;
    if (m_block) GlobalFree(m_block);
    m_block = nullptr;
}

bool CGdiPlusBitmapResource::Load(UINT id, const wchar_t* type, HMODULE module) {
    Release();
    if (!module) module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!resource) return false;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = size ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return false;
    m_block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!m_block) return false;
    if (void* target = GlobalLock(m_block)) {
        CopyMemory(target, bytes, size);
        GlobalUnlock(m_block);
        IStream* stream = nullptr;
        if (CreateStreamOnHGlobal(m_block, FALSE, &stream) == S_OK) {
            m_bitmap = Gdiplus::Bitmap::FromStream(stream);
            stream->Release();
            if (m_bitmap && m_bitmap->GetLastStatus() == Gdiplus::Ok) return true;
        }
    }
    Release();
    return false;
}

bool LoadBitmapFile(const std::wstring& path, HBITMAP& bitmap, int& width, int& height) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    HGLOBAL block = (size && size != INVALID_FILE_SIZE) ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
    bool read = false;
    if (block) {
        DWORD got = 0;
        read = ReadFile(file, GlobalLock(block), size, &got, nullptr) && got == size;
        GlobalUnlock(block);
    }
    CloseHandle(file);
    if (!read) {
        if (block) GlobalFree(block);
        return false;
    }
    IStream* stream = nullptr;
    if (CreateStreamOnHGlobal(block, TRUE, &stream) != S_OK) {
        GlobalFree(block);
        return false;
    }
    IPicture* picture = nullptr;
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                          reinterpret_cast<void**>(&picture));
    stream->Release();
    if (loaded != S_OK || !picture) return false;
    OLE_HANDLE handle = 0;
    bool done = false;
    if (picture->get_Handle(&handle) == S_OK && handle) {
        // The picture owns its bitmap: keep a copy of our own.
        HBITMAP copy = static_cast<HBITMAP>(
            CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0));
        BITMAP info{};
        if (copy && GetObjectW(copy, sizeof(info), &info)) {
            if (bitmap) DeleteObject(bitmap);
            bitmap = copy;
            width = info.bmWidth;
            height = info.bmHeight;
            done = true;
        } else if (copy) {
            DeleteObject(copy);
        }
    }
    picture->Release();
    return done;
}

XCMemDC::XCMemDC(HDC target, const RECT* rect) : m_target(target) {
    if (rect && !IsRectEmpty(rect))
        m_rect = *rect;
    else
        GetClipBox(target, &m_rect);
    m_offScreen = GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER;
    if (!m_offScreen) return;
    m_memory = CreateCompatibleDC(target);
    m_bitmap = CreateCompatibleBitmap(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top);
    if (!m_memory || !m_bitmap) {
        if (m_memory) DeleteDC(m_memory);
        if (m_bitmap) DeleteObject(m_bitmap);
        m_memory = nullptr;
        m_bitmap = nullptr;
        m_offScreen = false;
        return;
    }
    m_oldBitmap = SelectObject(m_memory, m_bitmap);
    SetWindowOrgEx(m_memory, m_rect.left, m_rect.top, nullptr);
}

XCMemDC::~XCMemDC() {
    if (!m_offScreen) return;
    BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, m_memory,
           m_rect.left, m_rect.top, SRCCOPY);
    SelectObject(m_memory, m_oldBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_memory);
}

void CropBitmap(HDC dc, HBITMAP& destination, HBITMAP source, const RECT& rect) {
    if (!source) return;
    if (destination) DeleteObject(destination);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    destination = CreateCompatibleBitmap(dc, width, height);
    HDC from = CreateCompatibleDC(dc), to = CreateCompatibleDC(dc);
    HGDIOBJ oldFrom = SelectObject(from, source), oldTo = SelectObject(to, destination);
    BitBlt(to, 0, 0, width, height, from, rect.left, rect.top, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
}

namespace {

HRGN RegionOf(const RegionBatch& batch) {
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + batch.rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(batch.rects.size());
    header->rcBound = {batch.bounds.left, batch.bounds.top, batch.bounds.right, batch.bounds.bottom};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < batch.rects.size(); ++i)
        rects[i] = {batch.rects[i].left, batch.rects[i].top, batch.rects[i].right, batch.rects[i].bottom};
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace

HRGN BitmapToRegion(HBITMAP bitmap) {
    if (!bitmap) return nullptr;
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info)) return nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    if (!memory) return nullptr;
    BITMAPINFO section{};
    section.bmiHeader.biSize = sizeof(section.bmiHeader);
    section.bmiHeader.biWidth = info.bmWidth;
    section.bmiHeader.biHeight = info.bmHeight;  // bottom-up
    section.bmiHeader.biPlanes = 1;
    section.bmiHeader.biBitCount = 32;
    section.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP pixels = CreateDIBSection(memory, &section, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!pixels) {
        DeleteDC(memory);
        return nullptr;
    }
    HGDIOBJ oldPixels = SelectObject(memory, pixels);
    HDC source = CreateCompatibleDC(memory);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    BitBlt(memory, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, oldSource);
    DeleteDC(source);
    GdiFlush();

    HRGN result = CreateRectRgn(0, 0, 0, 0);
    const auto runs = OpaqueRuns(BottomUpView(static_cast<const std::uint8_t*>(bits), info.bmWidth, info.bmHeight));
    for (const RegionBatch& batch : RegionBatches(runs)) {
        if (HRGN piece = RegionOf(batch)) {
            CombineRgn(result, result, piece, RGN_OR);
            DeleteObject(piece);
        }
    }
    SelectObject(memory, oldPixels);
    DeleteObject(pixels);
    DeleteDC(memory);
    return result;
}

}  // namespace ravix::win
