// The main window's notification-area icon, its listener for the mouse's own events, the notices
// it shows for them, and the captions and font of its language.
#include "core/app/DeviceEventNotice.h"
#include "core/device/DeviceChange.h"
#include "core/device/TransferTrace.h"
#include "core/platform/TextCodecs.h"
#include "win/app/Messages.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/device/WinClock.h"

namespace ravix::win {
namespace {

// The shell's mouse messages over the icon, as the icon's callback carries them.
constexpr LPARAM kLeftButtonUp = WM_LBUTTONUP;
constexpr LPARAM kLeftDoubleClick = WM_LBUTTONDBLCLK;
constexpr LPARAM kRightButtonUp = WM_RBUTTONUP;

}  // namespace

bool CVarnixDlg::StartListener() {
    auto& state = m_state;
    m_listener = std::make_unique<EventListener>(m_state.deviceLink, [&state](std::uint8_t code, std::uint8_t value) {
        SendMessageW(state.eventWindow, WM_DEVICE_EVENT, code, value);
    });
    if (!m_listener->CreateWakeEvent()) {
        m_listener.reset();
        ShowStartUpFailure(L"CreateEvent failed.");
        return false;
    }
    // Without a thread the window runs on without hearing the mouse's buttons; nothing is shown.
    if (m_listener->CreateThread() && m_state.deviceLink.connected) m_listener->Resume();
    return true;
}

void CVarnixDlg::ResumeListener() {
    if (m_listener) m_listener->Resume();
}

void CVarnixDlg::FillTextCatalogue(const std::wstring& languageCode) {
    m_language = LanguageOf(languageCode);
    m_texts = TextCatalogueFor(m_language);
}

void CVarnixDlg::CreateCaptionFont() {
    m_captionFont = UniqueFont(CaptionFont(FontWindow::MainWindow, m_language, ReportedOsVersion()));
}

void CVarnixDlg::AddTrayIcon() {
    m_trayIcon.Add(m_hWnd, WM_TRAY_ICON, m_hIcon, m_texts.trayTip);
}

void CVarnixDlg::ShowNotice(const Notice& notice) {
    m_notices.push_back(notice);
    if (m_state.noticeLog)
        m_state.noticeLog->Record(Utf8FromWide(notice.title + L"\t" + std::to_wstring(notice.timeoutMs) + L"\t" +
                                               notice.text));
    m_trayIcon.ShowNotice(notice.text, notice.title, notice.timeoutMs);
}

LRESULT CVarnixDlg::OnDeviceEvent(WPARAM code, LPARAM value) {
    static WinClock systemClock;
    // Anything beyond 32 bits is no event of the mouse's.
    if (code > 0xFFFFFFFFu || value < 0 || static_cast<ULONG_PTR>(value) > 0xFFFFFFFFu) return 0;
    Clock& clock = m_state.clock ? *m_state.clock : systemClock;
    const auto notice = HandleDeviceEvent(m_texts, static_cast<std::uint32_t>(code), static_cast<std::uint32_t>(value),
                                          m_state.deviceLink, clock, BytesOf(m_state.deviceImage));
    if (notice) ShowNotice(*notice);
    return 0;
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
    AppendMenuW(menu, MF_STRING, ID_TRAY_EXIT, m_texts.exit.c_str());
    AppendSimulationItems(menu);
    // The menu closes when the user clicks elsewhere only if the window is in the foreground.
    SetForegroundWindow(m_hWnd);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

}  // namespace ravix::win
