#include "win/framework/Dialog.h"

#include "win/framework/App.h"

namespace ravix::win {
void RunModalLoop(const bool& keepRunning) {
    MSG msg;
    while (keepRunning) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0) return;
        if (CWnd::PreTranslateTree(&msg)) continue;
        const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && dynamic_cast<CDialog*>(CWnd::FromHandle(root)) && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

HWND CDialog::CreateFromTemplate() {
    const HWND owner = m_parent ? m_parent->GetSafeHwnd() : nullptr;
    return CreateDialogParamW(CWinApp::Instance(), MAKEINTRESOURCEW(m_templateId), owner,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal() {
    const HWND owner = m_parent ? m_parent->GetSafeHwnd() : nullptr;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    m_inModalLoop = true;
    m_modalResult = -1;
    if (!CreateFromTemplate()) {
        m_inModalLoop = false;
        return -1;
    }
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    RunModalLoop(m_inModalLoop);
    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    if (m_hWnd) DestroyWindow(m_hWnd);
    return m_modalResult;
}

bool CDialog::Create() {
    return CreateFromTemplate() != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_inModalLoop) {
        m_modalResult = result;
        m_inModalLoop = false;
        if (m_hWnd) ShowWindow(m_hWnd, SW_HIDE);
        PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop so that it sees the end
    } else if (m_hWnd) {
        DestroyWindow(m_hWnd);
    }
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    (void)result;
    return false;
}

// The dialog procedure only binds the object; from then on the window is subclassed, so that
// handlers return their results directly and the default processing (the dialog class's own
// procedure, which asks this procedure first and gets FALSE) is one call away.
INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(hwnd);
    return dialog->OnInitDialog();
}

}  // namespace ravix::win
