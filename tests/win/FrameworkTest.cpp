// The framework stand-in under Wine: message tables, reflection to controls, the modal loop's
// pre-translation and EndDialog.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "TestResources.h"
#include "win/framework/Dialog.h"
#include "win/framework/MessageMap.h"

namespace ravix::win {
namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kFinish = WM_APP + 2;

// A control that takes its own click notifications when `swallow` is set.
class ReflectingButton : public CWnd {
public:
    bool swallow = true;
    int reflectedClicks = 0;

protected:
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
        ++reflectedClicks;
        result = 0;
        return swallow;
    }
};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}

    std::vector<UINT> preTranslated;
    int pings = 0;
    int parentClicks = 0;
    int rangeHits = 0;
    bool postOnInit = false;
    ReflectingButton button;

    bool PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) {
            preTranslated.push_back(static_cast<UINT>(msg->wParam));
            return msg->wParam == VK_ESCAPE;  // swallowed: must never reach the dialog
        }
        return false;
    }

    HWND Hwnd() const { return m_hWnd; }

protected:
    BOOL OnInitDialog() override {
        const HWND buttonHwnd = GetDlgItem(m_hWnd, IDC_TEST_BUTTON);
        button.SubclassWindow(buttonHwnd);
        if (postOnInit) {
            PostMessageW(buttonHwnd, WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageW(buttonHwnd, WM_KEYDOWN, 'A', 0);
            PostMessageW(m_hWnd, kFinish, 7, 0);
        }
        return TRUE;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        using Self = TestDialog;
        static constexpr std::array<MessageEntry<Self>, 4> kTable{{
            OnMessageEntry<Self>(kPing, &Self::OnPing),
            OnMessageEntry<Self>(kFinish, &Self::OnFinish),
            OnControlEntry<Self>(BN_CLICKED, IDC_TEST_BUTTON, IDC_TEST_BUTTON, &Self::OnButton),
            OnControlEntry<Self>(EN_CHANGE, 2000, 2005, &Self::OnRange),
        }};
        return DispatchMessageTable<Self>(*this, kTable, message, wParam, lParam, result) ||
               CDialog::OnMessage(message, wParam, lParam, result);
    }

private:
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) {
        ++pings;
        return static_cast<LRESULT>(wParam + lParam);
    }
    LRESULT OnFinish(WPARAM wParam, LPARAM) {
        EndDialog(static_cast<INT_PTR>(wParam));
        return 0;
    }
    LRESULT OnButton(WPARAM, LPARAM) {
        ++parentClicks;
        return 0;
    }
    LRESULT OnRange(WPARAM, LPARAM) {
        ++rangeHits;
        return 0;
    }
};

TEST(Framework, MessageTableDispatchesAndReturnsTheHandlersResult) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(SendMessageW(dialog.Hwnd(), kPing, 40, 2), 42);
    EXPECT_EQ(dialog.pings, 1);

    // A command row matches its notification code and its identifier range only.
    const HWND hwnd = dialog.Hwnd();
    for (UINT id : {1999u, 2000u, 2003u, 2005u, 2006u})
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(2001, EN_KILLFOCUS), 0);
    EXPECT_EQ(dialog.rangeHits, 3);
    DestroyWindow(hwnd);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
}

TEST(Framework, ControlNotificationsAreReflectedToTheirControlFirst) {
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const HWND buttonHwnd = GetDlgItem(dialog.Hwnd(), IDC_TEST_BUTTON);
    ASSERT_EQ(CWnd::FromHandle(buttonHwnd), &dialog.button);

    SendMessageW(buttonHwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.button.reflectedClicks, 1);
    EXPECT_EQ(dialog.parentClicks, 0);

    // A control that declines lets the parent's table see the notification too.
    dialog.button.swallow = false;
    SendMessageW(buttonHwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.button.reflectedClicks, 2);
    EXPECT_EQ(dialog.parentClicks, 1);
    dialog.EndDialog(0);
}

TEST(Framework, ModalLoopPreTranslatesBeforeDispatchAndEndsWithTheResult) {
    TestDialog dialog;
    dialog.postOnInit = true;  // queues two keys for the button, then kFinish(7), before the loop runs
    EXPECT_EQ(dialog.DoModal(), 7);
    // Messages for a child reach the dialog's PreTranslateMessage through the parent chain; the
    // swallowed Escape would otherwise have cancelled the dialog with IDCANCEL.
    EXPECT_EQ(dialog.preTranslated, (std::vector<UINT>{VK_ESCAPE, 'A'}));
    EXPECT_EQ(dialog.Hwnd(), nullptr);  // destroyed and unbound when the run ended
}

}  // namespace
}  // namespace ravix::win
