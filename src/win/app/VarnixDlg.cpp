#include "win/app/VarnixDlg.h"

#include <array>

#include "core/app/ModulePaths.h"
#include "win/app/Messages.h"
#include "win/framework/App.h"
#include "win/framework/MessageMap.h"
#include "win/resources/resource.h"

namespace ravix::win {
namespace {

constexpr wchar_t kInstanceMutexName[] = L"MGRK204-VelmarMutex";
constexpr wchar_t kWindowTitle[] = L"Velmar Ravix Driver";

// One copy of the program at a time: a second copy ends at once, showing nothing and leaving the
// first one as it is. The mutex is never released; it lives as long as the process, which may
// create its main window more than once (the tests do) without counting as a second copy.
void EnforceSingleInstance() {
    static HANDLE ownMutex = nullptr;
    if (ownMutex) return;
    ownMutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) ExitProcess(0);
}

void ShowStartUpFailure(HWND window, const ProgramPorts& ports, const wchar_t* text) {
    MessageBoxW(window, text, ApplicationName(ports.executablePath).c_str(), MB_OK);
}

}  // namespace

CVarnixDlg::CVarnixDlg(ProgramState& state, ProgramPorts& ports)
    : CDialog(IDD_VARNIX_DIALOG),
      m_state(state),
      m_ports(ports),
      m_mouse(state, ports),
      m_deviceChanges([this] { return m_mouse.Search(); },
                      [this]() -> bool { return m_state.deviceLink.connected; },
                      [this](const DeviceChangeResponse& response) { AnswerDeviceChange(response); }),
      m_store(state, ports,
              [this] {
                  // A profile replaced by a reload, an import or Reset: what was open closes and
                  // every page shows the new record.
                  m_pages.Show(m_state.profileSettings, true);
                  m_pageContext.Redraw();
              }),
      m_simulation(ports),
      m_noticeBoard(state, ports, m_look.Look().texts, m_trayIcon),
      m_hover(m_window),
      m_thumb(m_window,
              [this](RightPanelView view) {
                  SwitchRightView(view);
                  m_pages.Place(Layout());
                  m_pageContext.Redraw();
              }),
      m_pageContext{nullptr,        m_window,  state.profileSettings, state.store.text, m_look.Look(),
                    ports.notifier, ports.ini, ports.executablePath,  state.store.files.libraryPath,
                    state.store.skinTextColour},
      m_pages(m_pageContext),
      m_help(*this, ports) {
    m_hIcon = LoadIconW(CWinApp::Instance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_handlers.push_back(&m_look);
    m_pages.AppendHandlers(m_handlers);
    m_handlers.insert(m_handlers.end(), {&m_deviceChanges, &m_store, &m_simulation, &m_noticeBoard, &m_hover,
                                         &m_thumb, &m_help});
}

bool CVarnixDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using Self = CVarnixDlg;
    static constexpr std::array<MessageEntry<Self>, 8> kMessageTable{{
        OnMessageEntry<Self>(WM_PAINT, &Self::OnPaint),
        OnMessageEntry<Self>(WM_QUERYDRAGICON, &Self::OnQueryDragIcon),
        OnMessageEntry<Self>(WM_CLOSE, &Self::OnClose),
        OnMessageEntry<Self>(WM_DESTROY, &Self::OnDestroy),
        OnMessageEntry<Self>(WM_TRAY_ICON, &Self::OnTrayIcon),
        OnMessageEntry<Self>(WM_LBUTTONDOWN, &Self::OnLeftButtonDown),
        OnMessageEntry<Self>(WM_FINISH_START_UP, &Self::OnFinishStartUp),
        OnCommandEntry<Self>(ID_TRAY_EXIT, &Self::OnTrayExit),
    }};
    // Then the members: the look's erasing, the pages' controls, device changes, the profile
    // manager's requests, the store's timers, the simulation's commands, the mouse's events, the
    // hover images, the thumb and the updater requests. Dropped files fall through to the default handling, which ignores them.
    return DispatchMessageTable<Self>(*this, kMessageTable, m_handlers, m_hWnd, message, wParam, lParam,
                                      result) ||
           CDialog::OnMessage(message, wParam, lParam, result);
}

BOOL CVarnixDlg::OnInitDialog() {
    EnforceSingleInstance();
    CDialog::OnInitDialog();

    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowTextW(m_hWnd, kWindowTitle);

    m_state.eventWindow = m_hWnd;
    m_pageContext.window = m_hWnd;
    if (m_ports.setOwnerWindow) m_ports.setOwnerWindow(m_hWnd);
    if (!m_mouse.StartListener()) {
        ShowStartUpFailure(m_hWnd, m_ports, L"CreateEvent failed.");
        return FALSE;
    }
    if (!m_deviceChanges.Start(m_hWnd)) {
        ShowStartUpFailure(m_hWnd, m_ports, L"RegisterDeviceNotification failed!!!");
        return FALSE;
    }
    m_store.LoadAtStartUp();
    // The language, caption font and skin of the profile current at start-up hold until the next
    // start. The window takes the size of the skin's background picture, without moving: it keeps
    // the place its template's centring gave it.
    m_look.Load(m_hWnd, m_state.store.languageCode, m_state.store.text.skin.path, m_ports);
    m_thumb.Create(m_hWnd);
    PostMessageW(m_hWnd, WM_FINISH_START_UP, 0, 0);
    return TRUE;
}

// The search for the mouse, the pages and the notification-area icon wait until the window has
// been painted once, so that it shows sooner. Without the mouse the pages stay empty until it arrives.
LRESULT CVarnixDlg::OnFinishStartUp(WPARAM, LPARAM) {
    UpdateWindow(m_hWnd);
    m_mouse.ConnectAtStartUp();
    if (m_state.deviceLink.connected) FillPages();
    m_trayIcon.Add(m_hWnd, WM_TRAY_ICON, m_hIcon, m_look.Look().texts.trayTip);
    return 0;
}

bool CVarnixDlg::PreTranslateMessage(MSG* msg) {
    if (m_pages.PreTranslate(*msg)) return true;
    // The main window is never ended from the keyboard.
    return msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

LRESULT CVarnixDlg::OnPaint(WPARAM, LPARAM) {
    const PaintDc paint(m_hWnd);
    if (!IsIconic(m_hWnd)) {
        PaintClient(paint.Get());
        return 0;
    }
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.Get()), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(paint.Get(), x, y, m_hIcon);
    return 0;
}

LRESULT CVarnixDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hIcon);
}

LRESULT CVarnixDlg::OnClose(WPARAM, LPARAM) {
    ShowWindow(m_hWnd, SW_HIDE);
    return 0;
}

LRESULT CVarnixDlg::OnDestroy(WPARAM wParam, LPARAM lParam) {
    m_deviceChanges.Stop();
    m_mouse.Close();
    m_trayIcon.Remove();
    return DefaultProc(WM_DESTROY, wParam, lParam);
}

LRESULT CVarnixDlg::OnTrayExit(WPARAM, LPARAM) {
    ExitProgram();
}

void CVarnixDlg::ExitProgram() {
    OnDestroy(0, 0);
    ExitProcess(0);
}

}  // namespace ravix::win
