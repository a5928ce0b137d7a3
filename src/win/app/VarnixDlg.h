#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/DeviceEventNotice.h"
#include "core/app/TextCatalogue.h"
#include "core/device/DeviceChange.h"
#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"
#include "win/app/DeviceChangeWatcher.h"
#include "win/app/HelpDuty.h"
#include "win/app/MainWindowLook.h"
#include "win/app/MouseLink.h"
#include "win/app/NoticeBoard.h"
#include "win/app/ProgramPorts.h"
#include "win/app/ProgramState.h"
#include "win/app/SimulationConsole.h"
#include "win/app/StoreOperations.h"
#include "win/app/TrayIcon.h"
#include "win/dialogs/ConfigDialog.h"
#include "win/editor/HoverImages.h"
#include "win/editor/PanelThumb.h"
#include "win/editor/SectionPages.h"
#include "win/framework/Dialog.h"

namespace ravix::win {

// The main window: a modal dialog that lives as long as the process. Closing it only hides it; the
// process ends through the notification-area menu's Exit or the skin's close button. It keeps the
// shared parts (start-up and shut-down, the layout of the panels, the press dispatch, the tray
// icon and the picture around the section bodies); each section body is a page, and the duties
// that are not windows are objects it holds and offers its messages to.
class CVarnixDlg : public CDialog {
public:
    CVarnixDlg(ProgramState& state, ProgramPorts& ports);

    bool PreTranslateMessage(MSG* msg) override;

    // The Save, Reset and Cancel operations of the configuration store, run by the skin's buttons.
    void SaveToMouse() { m_store.Save(m_hWnd); }
    void ResetToFactory() { m_store.Reset(m_hWnd); }
    void CancelEdits();

    // Every notice shown at the notification-area icon, oldest first.
    const std::vector<Notice>& Notices() const { return m_noticeBoard.Notices(); }
    const TextCatalogue& Texts() const { return m_look.Look().texts; }
    const CTrayIcon& TrayIcon() const { return m_trayIcon; }
    // What decides the layout and what a press does: the sections, the views, the open list.
    const MainWindowState& WindowState() const { return m_window; }
    HoverTarget Hover() const { return m_hover.Current(); }
    // The profile manager while it is open.
    CConfigDialog* ProfileManager() const { return m_profileManager.Dialog(); }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Start-up and shut-down (VarnixDlg.cpp).
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    LRESULT OnClose(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnTrayExit(WPARAM, LPARAM);
    LRESULT OnFinishStartUp(WPARAM, LPARAM);
    [[noreturn]] void ExitProgram();  // the destroy handler's clean-up, then the end of the process

    // The mouse's comings and goings, the tray and the pages' records (VarnixDlgEvents.cpp).
    void AnswerDeviceChange(const DeviceChangeResponse& response);
    LRESULT OnTrayIcon(WPARAM, LPARAM);
    void FillPages();
    void ShowFromTray();

    // The layout, the picture and presses (VarnixDlgLayout.cpp).
    MainWindowLayout Layout() const;
    void PaintClient(HDC dc);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM);
    void CarryOut(const PressAction& action);
    void SwitchRightView(RightPanelView view);

    ProgramState& m_state;
    ProgramPorts& m_ports;
    HICON m_hIcon = nullptr;
    MainWindowLook m_look;
    MainWindowState m_window;
    CTrayIcon m_trayIcon;

    MouseLink m_mouse;
    DeviceChangeWatcher m_deviceChanges;
    StoreOperations m_store;
    SimulationConsole m_simulation;
    NoticeBoard m_noticeBoard;
    HoverImages m_hover;
    PanelThumb m_thumb;
    PageContext m_pageContext;
    SectionPages m_pages;
    HelpDuty m_help;
    ProfileManagerPanel m_profileManager{*this};
    std::vector<MessageHandler*> m_handlers;  // the pages and duties, offered what the table leaves
};

}  // namespace ravix::win
