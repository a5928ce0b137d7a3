#pragma once

// The device-broadcast header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include "win/framework/Dialog.h"

namespace ravix::win {

struct ProgramState;

// The main window: a modal dialog that lives as long as the process. Closing it only hides it; the
// process ends through the notification-area menu's Exit or the skin's close button.
class CVarnixDlg : public CDialog {
public:
    CVarnixDlg();  // over the process's records
    explicit CVarnixDlg(ProgramState& state);

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

    // The device link (VarnixDlgDevice.cpp).
    void ConnectAtStartUp();
    void ConnectToMouse();
    bool RegisterForDeviceChanges();
    LRESULT OnDeviceChange(WPARAM, LPARAM);
    void CloseDevice();

    ProgramState& m_state;
    HICON m_hIcon = nullptr;
    DEV_BROADCAST_DEVICEINTERFACE_W m_deviceFilter{};
    HDEVNOTIFY m_deviceNotification = nullptr;
};

}  // namespace ravix::win
