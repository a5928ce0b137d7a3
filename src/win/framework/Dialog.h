#pragma once

#include "win/framework/Wnd.h"

namespace ravix::win {

// A dialog created from a dialog template of the program's resources. It runs modally in a loop of
// its own (so that PreTranslateMessage sees every message before dispatch) or modelessly.
class CDialog : public CWnd {
public:
    CDialog(UINT templateId, CWnd* parent = nullptr) : m_templateId(templateId), m_parent(parent) {}

    // Creates the dialog, disables the parent and runs until EndDialog; returns EndDialog's value,
    // or -1 when the dialog could not be created.
    INT_PTR DoModal();

    // Creates the dialog modelessly; the caller's loop (any modal loop of ours) drives it.
    bool Create();

    // Ends a modal run with `result`; destroys a modeless dialog.
    void EndDialog(INT_PTR result);

protected:
    // Called once the window exists and before it is shown. Returning true lets the system set
    // the default focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    CWnd* Parent() const { return m_parent; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate();

    UINT m_templateId;
    CWnd* m_parent;
    bool m_inModalLoop = false;
    INT_PTR m_modalResult = -1;
};

// The message loop of a modal run: pre-translation, dialog navigation, dispatch. Returns when
// `keepRunning` turns false, or re-posts WM_QUIT and returns when the queue ends.
void RunModalLoop(const bool& keepRunning);

}  // namespace ravix::win
