// The owning wrappers of Windows resources: each releases what it holds exactly once, whichever way
// it ends (scope, reset, move), and a selection into a DC is undone before its object is deleted.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "win/platform/UniqueResources.h"

namespace ravix::win {
namespace {

bool IsOpenHandle(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

bool IsGdiObject(HGDIOBJ object) {
    return GetObjectType(object) != 0;
}

TEST(UniqueResources, KernelHandlesCloseOnceWhicheverWayTheyEnd) {
    HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE second = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    {
        UniqueHandle held(first);
        UniqueHandle moved(std::move(held));
        EXPECT_FALSE(held.Valid());
        EXPECT_EQ(moved.Get(), first);
        moved.Reset(second);
        EXPECT_FALSE(IsOpenHandle(first)) << "reset closes what was held";
        EXPECT_TRUE(IsOpenHandle(second));
    }
    EXPECT_FALSE(IsOpenHandle(second)) << "closed at the end of its scope";

    EXPECT_FALSE(UniqueHandle(INVALID_HANDLE_VALUE).Valid()) << "CreateFileW's failure holds nothing";
    HANDLE kept = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(UniqueHandle(kept).Detach(), kept);
    EXPECT_TRUE(IsOpenHandle(kept)) << "a detached handle is the caller's";
    CloseHandle(kept);
}

TEST(UniqueResources, ASelectionIsUndoneBeforeItsBitmapIsDeleted) {
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_BITMAP);
    HBITMAP raw = nullptr;
    {
        const UniqueBitmap bitmap(CreateCompatibleBitmap(dc.Get(), 4, 4));
        raw = bitmap.Get();
        const SelectedObject selected(dc.Get(), bitmap.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), raw);
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), original);
    EXPECT_FALSE(IsGdiObject(raw)) << "deleted once it was no longer selected";
}

// An object whose references are counted in a variable of the test.
class Counted final : public IUnknown {
public:
    explicit Counted(int& references) : m_references(references) { ++m_references; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_references); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--m_references); }

private:
    int& m_references;
};

TEST(UniqueResources, ComPointersReleaseTheirOneReference) {
    int first = 0, second = 0;
    Counted a(first), b(second);
    {
        ComPtr<IUnknown> held;
        *held.Receive() = &a;
        ComPtr<IUnknown> moved(std::move(held));
        EXPECT_FALSE(held);
        *moved.Receive() = &b;
        EXPECT_EQ(first, 0) << "receiving a new pointer releases the old one";
        EXPECT_EQ(second, 1);
    }
    EXPECT_EQ(second, 0);
}

TEST(UniqueResources, WindowAndGlobalScopesEndWhatTheyBegan) {
    const UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE, 16));
    {
        const LockedGlobal locked(block.Get());
        ASSERT_NE(locked.Data(), nullptr);
        EXPECT_EQ(GlobalFlags(block.Get()) & GMEM_LOCKCOUNT, 1u);
    }
    EXPECT_EQ(GlobalFlags(block.Get()) & GMEM_LOCKCOUNT, 0u);
    EXPECT_EQ(LockedGlobal(nullptr).Data(), nullptr);

    const WindowDc screen(nullptr);
    EXPECT_NE(screen.Get(), nullptr);
}

}  // namespace
}  // namespace ravix::win
