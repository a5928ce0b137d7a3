// The main window's answers to the mouse coming and going and to its own events, the notices it
// shows for them at the notification-area icon, and the icon's menu.
#include "core/app/DeviceEventNotice.h"
#include "core/device/TransferTrace.h"
#include "core/platform/TextCodecs.h"
#include "win/app/Messages.h"
#include "win/app/VarnixDlg.h"

namespace ravix::win {
namespace {

// The shell's mouse messages over the icon, as the icon's callback carries them.
constexpr LPARAM kLeftButtonUp = WM_LBUTTONUP;
constexpr LPARAM kLeftDoubleClick = WM_LBUTTONDBLCLK;
constexpr LPARAM kRightButtonUp = WM_RBUTTONUP;

}  // namespace

void CVarnixDlg::AnswerDeviceChange(const DeviceChangeResponse& response) {
    if (response.notice) SendMessageW(m_hWnd, WM_DEVICE_EVENT, *response.notice, 0);
    if (response.hideWindow) ShowWindow(m_hWnd, SW_HIDE);
    m_state.deviceLink.connected = response.connected;
    if (response.reconnect) {
        m_mouse.Connect();
        m_store.Reload();
        m_mouse.ResumeListener();
    }
}

LRESULT CVarnixDlg::OnDeviceEvent(WPARAM code, LPARAM value) {
    // Anything beyond 32 bits is no event of the mouse's.
    if (code > 0xFFFFFFFFu || value < 0 || static_cast<ULONG_PTR>(value) > 0xFFFFFFFFu) return 0;
    const auto notice =
        HandleDeviceEvent(m_look.texts, static_cast<std::uint32_t>(code), static_cast<std::uint32_t>(value),
                          m_state.deviceLink, m_ports.clock, BytesOf(m_state.deviceImage));
    if (notice) ShowNotice(*notice);
    return 0;
}

void CVarnixDlg::ShowNotice(const Notice& notice) {
    m_notices.push_back(notice);
    if (m_ports.noticeLog)
        m_ports.noticeLog->Record(
            Utf8FromWide(notice.title + L"\t" + std::to_wstring(notice.timeoutMs) + L"\t" + notice.text));
    m_trayIcon.ShowNotice(notice.text, notice.title, notice.timeoutMs);
}

LRESULT CVarnixDlg::OnTrayIcon(WPARAM, LPARAM mouseMessage) {
    if (mouseMessage == kLeftButtonUp || mouseMessage == kLeftDoubleClick) {
        // Without the mouse there is nothing to configure: say so, and keep the window hidden.
        if (!m_state.deviceLink.connected) {
            SendMessageW(m_hWnd, WM_DEVICE_EVENT, kMouseNotDetectedEvent, 0);
            return 0;
        }
        RefreshPages();
        SetForegroundWindow(m_hWnd);
        ShowWindow(m_hWnd, SW_SHOW);
    } else if (mouseMessage == kRightButtonUp) {
        ShowTrayMenu();
    }
    return 0;
}

void CVarnixDlg::ShowTrayMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, ID_TRAY_EXIT, m_look.texts.exit.c_str());
    m_simulation.AppendMenuItems(menu);
    // The menu closes when the user clicks elsewhere only if the window is in the foreground.
    SetForegroundWindow(m_hWnd);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

// The pages show the profile; one whose button labels were never set gets the language's default
// labels, written back to its text file.
void CVarnixDlg::FillPages() {
    m_store.ApplyFirstRunLabels(m_look.language);
    for (const auto& page : m_pages) page->Refresh(m_state.profileSettings);
    m_pagesFilled = true;
    Redraw();
}

// Before the window shows from the notification area: after Cancel it shows the current profile's
// files again; otherwise pages filled before are redrawn and pages never filled are filled now.
void CVarnixDlg::RefreshPages() {
    if (m_state.store.sync.showReload) {
        m_state.store.sync.showReload = false;
        for (const auto& page : m_pages) page->CloseTransient();
        m_store.Reload();
        Redraw();
    } else if (m_pagesFilled) {
        Redraw();
    } else {
        FillPages();
    }
}

void CVarnixDlg::CancelEdits() {
    ravix::CancelEdits(m_state.store.appliedSettings, m_state.profileSettings, m_state.store.sync);
    for (const auto& page : m_pages) page->Refresh(m_state.profileSettings);
    ShowWindow(m_hWnd, SW_HIDE);
}

}  // namespace ravix::win
