#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win/framework/Wnd.h"

namespace ravix::win {

// A single-line edit laid over one entry of a list box, for renaming a profile or a macro and for
// changing a delay where it is shown. Escape cancels; Enter, Tab, a press outside the editor and the
// loss of the keyboard focus commit. An edit ends once, whatever ends it, and the editor deletes
// itself with its window. What a commit means (which texts are taken, what is saved) is the owner's
// rule: it gets the entry's index and the typed text, and changes the entry itself if it accepts it.
class CLBEditorWnd final : public CWnd {
public:
    using CommitHandler = std::function<void(int index, const std::wstring& text)>;

    // Starts an edit of entry `index` of `listBox`; null, with nothing created, when there is no such
    // entry. The editor is owned by its window.
    static CLBEditorWnd* Begin(HWND listBox, int index, CommitHandler onCommit);

    // The editor open on a list box, if any.
    static CLBEditorWnd* ActiveOn(HWND listBox);

    // Ends the edit as Escape does. An owner whose window goes away calls it first, so that no
    // commit reaches it half destroyed.
    void Cancel() { End(false); }
    void Commit() { End(true); }

    int index() const { return m_index; }

    // Replaces an entry's text and selects it: what an owner does with a commit it accepts.
    static void ReplaceEntry(HWND listBox, int index, const std::wstring& text);

    bool PreTranslateMessage(MSG* msg) override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CLBEditorWnd(HWND listBox, int index, CommitHandler onCommit)
        : m_listBox(listBox), m_index(index), m_onCommit(std::move(onCommit)) {}
    ~CLBEditorWnd() override = default;

    // True when the key ends the edit.
    bool Key(WPARAM key);
    bool PressOutside(LPARAM lParam) const;
    void End(bool commit);

    HWND m_listBox;
    int m_index;
    CommitHandler m_onCommit;
    bool m_ended = false;
};

}  // namespace ravix::win
