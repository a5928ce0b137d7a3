// The main window's answers to the mouse coming and going, its notification-area icon and menu,
// and its pages' records.
#include "core/app/DeviceEventNotice.h"
#include "win/app/Messages.h"
#include "win/app/VarnixDlg.h"

namespace ravix::win {
namespace {

// The shell's mouse messages over the icon, as the icon's callback carries them.
constexpr LPARAM kLeftButtonUp = WM_LBUTTONUP;
constexpr LPARAM kLeftDoubleClick = WM_LBUTTONDBLCLK;
constexpr LPARAM kRightButtonUp = WM_RBUTTONUP;

}  // namespace

// The link is marked first: showing the notice may let other programs' messages in (a click on
// the icon, for one), and those must find the mouse as the change left it. The notice goes out
// while the window is still shown.
void CVarnixDlg::AnswerDeviceChange(const DeviceChangeResponse& response) {
    m_state.deviceLink.connected = response.connected;
    if (response.notice) SendMessageW(m_hWnd, WM_DEVICE_EVENT, *response.notice, 0);
    if (response.hideWindow) ShowWindow(m_hWnd, SW_HIDE);
    if (response.reconnect) {
        m_mouse.Connect();
        m_store.Reload();
        m_mouse.ResumeListener();
    }
}

LRESULT CVarnixDlg::OnTrayIcon(WPARAM, LPARAM mouseMessage) {
    if (mouseMessage == kLeftButtonUp || mouseMessage == kLeftDoubleClick) {
        // Without the mouse there is nothing to configure: say so, and keep the window hidden.
        if (!m_state.deviceLink.connected) {
            SendMessageW(m_hWnd, WM_DEVICE_EVENT, kMouseNotDetectedEvent, 0);
            return 0;
        }
        ShowFromTray();
        SetForegroundWindow(m_hWnd);
        ShowWindow(m_hWnd, SW_SHOW);
    } else if (mouseMessage == kRightButtonUp) {
        m_trayIcon.ShowMenu(ID_TRAY_EXIT, m_look.Look().texts.exit,
                            [this](HMENU menu) { m_simulation.AppendMenuItems(menu); });
    }
    return 0;
}

// The pages show the profile; one whose button labels were never set gets the language's default
// labels, written back to its text file.
void CVarnixDlg::FillPages() {
    m_store.ApplyFirstRunLabels(m_look.Look().language);
    m_pages.Fill(m_state.profileSettings);
    m_pageContext.Redraw();
}

// Before the window shows from the notification area: after Cancel it shows the current profile's
// files again; otherwise pages filled before are redrawn and pages never filled are filled now.
void CVarnixDlg::ShowFromTray() {
    if (m_state.store.sync.showReload) {
        m_state.store.sync.showReload = false;
        m_pages.CloseTransient();
        m_store.Reload();
        m_pageContext.Redraw();
    } else if (m_pages.Filled()) {
        m_pageContext.Redraw();
    } else {
        FillPages();
    }
}

void CVarnixDlg::CancelEdits() {
    ravix::CancelEdits(m_state.store.appliedSettings, m_state.profileSettings, m_state.store.sync);
    m_pages.Show(m_state.profileSettings);
    ShowWindow(m_hWnd, SW_HIDE);
}

}  // namespace ravix::win
