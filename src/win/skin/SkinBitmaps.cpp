#include "win/skin/SkinBitmaps.h"

#include <ocidl.h>
#include <olectl.h>

#include <optional>
#include <span>
#include <vector>

#include "core/skin/PngPicture.h"
#include "core/skin/RegionRuns.h"

namespace ravix::win {

void CGdiPlusBitmapResource::Release() {
    m_bitmap.reset();
    m_picture = {};
}

bool CGdiPlusBitmapResource::Load(UINT id, const wchar_t* type, HMODULE module) {
    Release();
    if (!module) module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!resource) return false;
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = size ? LoadResource(module, resource) : nullptr;
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return false;
    std::optional<PngPicture> picture = DecodePng(std::span(bytes, size));
    if (!picture) return false;
    m_picture = std::move(*picture);
    m_bitmap = std::make_unique<Gdiplus::Bitmap>(m_picture.width, m_picture.height, m_picture.width * 4,
                                                 PixelFormat32bppARGB, m_picture.pixels.get());
    if (m_bitmap->GetLastStatus() == Gdiplus::Ok) return true;
    Release();
    return false;
}

namespace {

// The whole of a file in movable global memory, as the stream functions take it.
UniqueGlobal ReadIntoGlobal(const std::wstring& path, DWORD& size) {
    const UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return {};
    size = GetFileSize(file.Get(), nullptr);
    if (!size || size == INVALID_FILE_SIZE) return {};
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
    const LockedGlobal target(block.Get());
    DWORD got = 0;
    if (!target.Data() || !ReadFile(file.Get(), target.Data(), size, &got, nullptr) || got != size) return {};
    return block;
}

}  // namespace

bool LoadBitmapFile(const std::wstring& path, UniqueBitmap& bitmap, int& width, int& height) {
    DWORD size = 0;
    UniqueGlobal block = ReadIntoGlobal(path, size);
    ComPtr<IStream> stream;
    if (!block || CreateStreamOnHGlobal(block.Get(), TRUE, stream.Receive()) != S_OK) return false;
    (void)block.Detach();  // the stream frees it now
    ComPtr<IPicture> picture;
    if (OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.ReceiveVoid()) != S_OK ||
        !picture)
        return false;
    OLE_HANDLE handle = 0;
    if (picture->get_Handle(&handle) != S_OK || !handle) return false;
    // The picture owns its bitmap: keep a copy of our own.
    UniqueBitmap copy(static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP info{};
    if (!copy || !GetObjectW(copy.Get(), sizeof(info), &info)) return false;
    bitmap = std::move(copy);
    width = info.bmWidth;
    height = info.bmHeight;
    return true;
}

bool MemorySurface::Create(HDC reference, int width, int height) {
    Release();
    m_dc.Reset(CreateCompatibleDC(reference));
    m_bitmap.Reset(CreateCompatibleBitmap(reference, width, height));
    if (!m_dc || !m_bitmap) {
        Release();
        return false;
    }
    m_selection.emplace(m_dc.Get(), m_bitmap.Get());
    return true;
}

void MemorySurface::Release() {
    m_selection.reset();
    m_bitmap.Reset();
    m_dc.Reset();
}

bool DrawBitmap(HDC target, int x, int y, int width, int height, HBITMAP source, int sourceX, int sourceY) {
    if (!target || !source) return false;
    const UniqueDc memory(CreateCompatibleDC(target));
    if (!memory) return false;
    const SelectedObject selected(memory.Get(), source);
    return BitBlt(target, x, y, width, height, memory.Get(), sourceX, sourceY, SRCCOPY) != FALSE;
}

XCMemDC::XCMemDC(HDC target, const RECT* rect) : m_target(target) {
    if (rect && !IsRectEmpty(rect))
        m_rect = *rect;
    else
        GetClipBox(target, &m_rect);
    if (GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) return;
    if (m_surface.Create(target, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top))
        SetWindowOrgEx(m_surface.Dc(), m_rect.left, m_rect.top, nullptr);
}

bool AnswerSkinnedPaint(HWND window, UINT message, LRESULT& result, const std::function<void(HDC)>& draw) {
    if (message == WM_ERASEBKGND) {
        result = TRUE;  // the paint that follows covers everything
        return true;
    }
    if (message != WM_PAINT) return false;
    const PaintDc paint(window);
    draw(paint.Get());
    result = 0;
    return true;
}

XCMemDC::~XCMemDC() {
    if (!m_surface) return;
    BitBlt(m_target, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
           m_surface.Dc(), m_rect.left, m_rect.top, SRCCOPY);
}

void CropBitmap(HDC dc, UniqueBitmap& destination, HBITMAP source, const RECT& rect) {
    if (!source) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    destination.Reset(CreateCompatibleBitmap(dc, width, height));
    const UniqueDc to(CreateCompatibleDC(dc));
    if (!destination || !to) return;
    const SelectedObject selected(to.Get(), destination.Get());
    DrawBitmap(to.Get(), 0, 0, width, height, source, rect.left, rect.top);
}

namespace {

UniqueRegion RegionOf(const RegionBatch& batch) {
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + batch.rects.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(batch.rects.size());
    header->rcBound = {batch.bounds.left, batch.bounds.top, batch.bounds.right, batch.bounds.bottom};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < batch.rects.size(); ++i)
        rects[i] = {batch.rects[i].left, batch.rects[i].top, batch.rects[i].right, batch.rects[i].bottom};
    return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
}

}  // namespace

UniqueRegion BitmapToRegion(HBITMAP bitmap) {
    if (!bitmap) return {};
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info)) return {};
    const UniqueDc memory(CreateCompatibleDC(nullptr));
    if (!memory) return {};
    BITMAPINFO section{};
    section.bmiHeader.biSize = sizeof(section.bmiHeader);
    section.bmiHeader.biWidth = info.bmWidth;
    section.bmiHeader.biHeight = info.bmHeight;  // bottom-up
    section.bmiHeader.biPlanes = 1;
    section.bmiHeader.biBitCount = 32;
    section.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const UniqueBitmap pixels(CreateDIBSection(memory.Get(), &section, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!pixels) return {};
    const SelectedObject selected(memory.Get(), pixels.Get());
    DrawBitmap(memory.Get(), 0, 0, info.bmWidth, info.bmHeight, bitmap);
    GdiFlush();

    UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
    const auto runs = OpaqueRuns(BottomUpView(static_cast<const std::uint8_t*>(bits), info.bmWidth, info.bmHeight));
    for (const RegionBatch& batch : RegionBatches(runs)) {
        if (const UniqueRegion piece = RegionOf(batch)) CombineRgn(result.Get(), result.Get(), piece.Get(), RGN_OR);
    }
    return result;
}

}  // namespace ravix::win
