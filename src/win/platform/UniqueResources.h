#pragma once

// Owning wrappers for the Windows resources the program holds: each one releases what it holds when
// it goes out of scope, is reset or is moved over, so that no release is written by hand and an
// early return cannot leak. Kinds that need a header of their own (SetupAPI lists, HID parser
// data) define their traits beside the code that uses them, over the same Unique template.
#include <windows.h>

#include <utility>

namespace ravix::win {

// A resource of one kind. `Traits` says how one is released and which values hold nothing; the
// empty value is always null.
template <class Handle, class Traits>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : m_handle(handle) {}
    ~Unique() { Reset(); }
    Unique(Unique&& other) noexcept : m_handle(other.Detach()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) Reset(other.Detach());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle Get() const { return m_handle; }
    bool Valid() const { return Traits::Valid(m_handle); }
    explicit operator bool() const { return Valid(); }

    // Releases what is held and holds `handle` instead.
    void Reset(Handle handle = nullptr) {
        if (handle == m_handle) return;
        if (Valid()) Traits::Release(m_handle);
        m_handle = handle;
    }

    // Gives the resource up without releasing it.
    [[nodiscard]] Handle Detach() { return std::exchange(m_handle, nullptr); }

private:
    Handle m_handle = nullptr;
};

struct NullIsEmpty {
    static bool Valid(const void* handle) { return handle != nullptr; }
};

// Kernel objects: files, events, threads, mutexes. CreateFileW reports failure with
// INVALID_HANDLE_VALUE, the others with null; both hold nothing.
struct KernelHandleTraits {
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Release(HANDLE handle) { CloseHandle(handle); }
};
struct GdiObjectTraits : NullIsEmpty {
    static void Release(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits : NullIsEmpty {
    static void Release(HDC dc) { DeleteDC(dc); }
};
struct GlobalMemoryTraits : NullIsEmpty {
    static void Release(HGLOBAL block) { GlobalFree(block); }
};
struct LocalMemoryTraits : NullIsEmpty {
    static void Release(void* block) { LocalFree(block); }
};
struct HookTraits : NullIsEmpty {
    static void Release(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
struct ModuleTraits : NullIsEmpty {
    static void Release(HMODULE module) { FreeLibrary(module); }
};
struct IconTraits : NullIsEmpty {
    static void Release(HICON icon) { DestroyIcon(icon); }
};
struct MenuTraits : NullIsEmpty {
    static void Release(HMENU menu) { DestroyMenu(menu); }
};
struct DeviceNotificationTraits : NullIsEmpty {
    static void Release(HDEVNOTIFY notification) { UnregisterDeviceNotification(notification); }
};

using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;
// Bitmaps, fonts, brushes, pens and regions. Not for an object still selected into a DC: hold the
// selection in a SelectedObject declared after it, so that it is undone first.
template <class Object>
using UniqueGdi = Unique<Object, GdiObjectTraits>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniqueRegion = UniqueGdi<HRGN>;
// A DC made with CreateCompatibleDC or CreateDC (not one from GetDC: see WindowDc).
using UniqueDc = Unique<HDC, MemoryDcTraits>;
using UniqueGlobal = Unique<HGLOBAL, GlobalMemoryTraits>;
// Memory the system allocated for the caller with LocalAlloc, such as CommandLineToArgvW's list.
template <class Pointer>
using UniqueLocal = Unique<Pointer, LocalMemoryTraits>;
using UniqueHook = Unique<HHOOK, HookTraits>;
using UniqueModule = Unique<HMODULE, ModuleTraits>;
// An icon made by CreateIcon, CopyIcon or LoadImage without LR_SHARED (not a shared LoadIcon one).
using UniqueIcon = Unique<HICON, IconTraits>;
// A menu not attached to a window (a window destroys its own menu).
using UniqueMenu = Unique<HMENU, MenuTraits>;
using UniqueDeviceNotification = Unique<HDEVNOTIFY, DeviceNotificationTraits>;

// A bitmap, font, brush or pen selected into a DC for as long as this lives; the DC's previous
// object of the same kind is selected back at the end. (A region is not selected but copied into
// the DC, and has no previous one to give back.)
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (m_previous && m_previous != HGDI_ERROR) SelectObject(m_dc, m_previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The DC of a window's client area (or of the screen, for no window), from GetDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDc() {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// One WM_PAINT's DC, from BeginPaint to EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : m_window(window), m_dc(BeginPaint(window, &m_paint)) {}
    ~PaintDc() { EndPaint(m_window, &m_paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Get() const { return m_dc; }
    // Whether the background was left for the painter to erase.
    bool EraseRequested() const { return m_paint.fErase != FALSE; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// Movable global memory locked for as long as this lives. Data() is null when the lock failed.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL block) : m_block(block), m_data(block ? GlobalLock(block) : nullptr) {}
    ~LockedGlobal() {
        if (m_data) GlobalUnlock(m_block);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    void* Data() const { return m_data; }

private:
    HGLOBAL m_block;
    void* m_data;
};

// A COM interface pointer that holds one reference.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return m_pointer; }
    Interface* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    // For a function that hands out a reference: the one held before is released first.
    Interface** Receive() {
        Reset();
        return &m_pointer;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    void Reset() {
        if (m_pointer) std::exchange(m_pointer, nullptr)->Release();
    }

private:
    Interface* m_pointer = nullptr;
};

}  // namespace ravix::win
