// The in-place list entry editor under Wine: how an edit ends, and that it ends once.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "win/dialogs/LBEditorWnd.h"

namespace ravix::win {
namespace {

struct Commit {
    int index;
    std::wstring text;
};

class LBEditorWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 10, 10, 120, 150, host,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        other = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 150, 10, 100, 20, host, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        for (const wchar_t* entry : {L"Macro-0", L"120 ms", L"Macro-2"})
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    void TearDown() override { DestroyWindow(host); }

    CLBEditorWnd* Begin(int index) {
        return CLBEditorWnd::Begin(list, index, [this](int at, const std::wstring& text) {
            commits.push_back({at, text});
        });
    }
    HWND Editor() const { return GetDlgItem(list, 1); }
    void Type(const wchar_t* text) const { SetWindowTextW(Editor(), text); }

    HWND host = nullptr, list = nullptr, other = nullptr;
    std::vector<Commit> commits;
};

TEST_F(LBEditorWndTest, OpensOverTheEntryWithItsTextAndTheFocus) {
    ASSERT_NE(Begin(1), nullptr);
    const HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    wchar_t text[32] = {};
    GetWindowTextW(editor, text, 32);
    EXPECT_STREQ(text, L"120 ms");
    EXPECT_EQ(GetFocus(), editor);
    EXPECT_EQ(GetCapture(), editor);
    EXPECT_EQ(SendMessageW(editor, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    RECT item{}, edit{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    GetWindowRect(editor, &edit);
    MapWindowPoints(nullptr, list, reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_EQ(edit.top, item.top - 1);
    EXPECT_EQ(edit.bottom, item.bottom + 1);
}

TEST_F(LBEditorWndTest, NoEntryNoEditor) {
    EXPECT_EQ(Begin(3), nullptr);
    EXPECT_EQ(Begin(-1), nullptr);
    EXPECT_EQ(Editor(), nullptr);
}

// Every way an edit ends: the keys, a press outside, the focus moving away; the owner gets the
// typed text once on a commit and nothing on a cancel, and the editor is gone afterwards.
TEST_F(LBEditorWndTest, EndsOnceByEachWay) {
    struct Case {
        const char* what;
        std::function<void(HWND editor)> end;
        bool commits;
    };
    const std::vector<Case> cases = {
        {"Enter", [](HWND e) { SendMessageW(e, WM_KEYDOWN, VK_RETURN, 0); }, true},
        {"Tab", [](HWND e) { SendMessageW(e, WM_KEYDOWN, VK_TAB, 0); }, true},
        {"Escape", [](HWND e) { SendMessageW(e, WM_KEYDOWN, VK_ESCAPE, 0); }, false},
        {"press outside", [](HWND e) { SendMessageW(e, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 40)); },
         true},
        {"focus lost", [this](HWND) { SetFocus(other); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        commits.clear();
        ASSERT_NE(Begin(0), nullptr);
        const HWND editor = Editor();
        Type(L"Fast-9");
        c.end(editor);
        EXPECT_FALSE(IsWindow(editor));
        EXPECT_NE(GetCapture(), editor);
        ASSERT_EQ(commits.size(), c.commits ? 1u : 0u);
        if (c.commits) {
            EXPECT_EQ(commits[0].index, 0);
            EXPECT_EQ(commits[0].text, L"Fast-9");
        }
        SetFocus(host);
    }
}

TEST_F(LBEditorWndTest, APressInsideKeepsEditing) {
    ASSERT_NE(Begin(0), nullptr);
    SendMessageW(Editor(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(Editor(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_NE(Editor(), nullptr);
    EXPECT_TRUE(commits.empty());
}

// A commit handler that moves the focus itself (a message box would) does not end the edit twice.
TEST_F(LBEditorWndTest, AHandlerThatTakesTheFocusCommitsOnce) {
    int calls = 0;
    ASSERT_NE(CLBEditorWnd::Begin(list, 2,
                                  [&](int index, const std::wstring& text) {
                                      ++calls;
                                      SetFocus(other);
                                      CLBEditorWnd::ReplaceEntry(list, index, text + L"!");
                                  }),
              nullptr);
    SendMessageW(Editor(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Editor(), nullptr);
    wchar_t text[32] = {};
    SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Macro-2!");
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
}

// An editor not yet drawn has a paint request queued, which only drawing removes: ending must not
// wait for it to go.
TEST_F(LBEditorWndTest, EndsWithItsPaintStillQueued) {
    ASSERT_NE(Begin(0), nullptr);
    InvalidateRect(Editor(), nullptr, TRUE);
    SendMessageW(Editor(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(commits.size(), 1u);
}

// The list going away with an edit open (its dialog closed) commits nothing.
TEST_F(LBEditorWndTest, DestroyingTheListCommitsNothing) {
    ASSERT_NE(Begin(1), nullptr);
    Type(L"80 ms");
    DestroyWindow(list);
    EXPECT_TRUE(commits.empty());
}

// The keys also end the edit when the dialog's message loop sees them before the editor does.
TEST_F(LBEditorWndTest, KeysArriveThroughPreTranslation) {
    CLBEditorWnd* editor = Begin(1);
    ASSERT_NE(editor, nullptr);
    Type(L"80ms");
    MSG msg{Editor(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(CWnd::PreTranslateTree(&msg));
    ASSERT_EQ(commits.size(), 1u);
    EXPECT_EQ(commits[0].text, L"80ms");
}

}  // namespace
}  // namespace ravix::win
