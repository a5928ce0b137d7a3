#pragma once

#include "win/framework/Dialog.h"

namespace ravix::win {

// The main window: a modal dialog that lives as long as the process. Closing it only hides it; the
// process ends through the notification-area menu's Exit or the skin's close button.
class CVarnixDlg : public CDialog {
public:
    CVarnixDlg();

    bool PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnTrayExit(WPARAM, LPARAM);

    // Ends the process at once, after the same clean-up as the destroy handler.
    [[noreturn]] void ExitProgram();

    HICON m_hIcon = nullptr;
};

}  // namespace ravix::win
