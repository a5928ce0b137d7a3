#include "win/app/VarnixDlg.h"

#include <array>

#include "win/app/Messages.h"
#include "win/app/ProgramState.h"
#include "win/framework/App.h"
#include "win/framework/MessageMap.h"
#include "win/resources/resource.h"

namespace ravix::win {
namespace {

constexpr wchar_t kInstanceMutexName[] = L"MGRK204-VelmarMutex";
constexpr wchar_t kWindowTitle[] = L"Velmar Ravix Driver";
// The Button Assignment page's second-level lists and the buttons' lists of functions.
constexpr UINT kFirstListId = 35;
constexpr UINT kLastListId = 48;

// One copy of the program at a time: a second copy ends at once, showing nothing and leaving the
// first one as it is. The mutex is never released; it lives as long as the process, which may
// create its main window more than once (the tests do) without counting as a second copy.
void EnforceSingleInstance() {
    static HANDLE ownMutex = nullptr;
    if (ownMutex) return;
    ownMutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) ExitProcess(0);
}

}  // namespace

CVarnixDlg::CVarnixDlg() : CVarnixDlg(ProgramState::Process()) {}

CVarnixDlg::CVarnixDlg(ProgramState& state) : CDialog(IDD_VARNIX_DIALOG), m_state(state) {
    m_hIcon = LoadIconW(CWinApp::Instance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

bool CVarnixDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using Self = CVarnixDlg;
    static constexpr std::array<MessageEntry<Self>, 21> kMessageTable{{
        OnMessageEntry<Self>(WM_PAINT, &Self::OnPaint),
        OnMessageEntry<Self>(WM_ERASEBKGND, &Self::OnEraseBackground),
        OnMessageEntry<Self>(WM_QUERYDRAGICON, &Self::OnQueryDragIcon),
        OnMessageEntry<Self>(WM_CLOSE, &Self::OnClose),
        OnMessageEntry<Self>(WM_DESTROY, &Self::OnDestroy),
        OnMessageEntry<Self>(WM_DEVICECHANGE, &Self::OnDeviceChange),
        OnMessageEntry<Self>(WM_SETTLE_DEVICE_CHANGES, &Self::OnSettleDeviceChanges),
        OnMessageEntry<Self>(WM_TRAY_ICON, &Self::OnTrayIcon),
        OnMessageEntry<Self>(WM_DEVICE_EVENT, &Self::OnDeviceEvent),
        OnMessageEntry<Self>(WM_COPYDATA, &Self::OnCopyData),
        OnMessageEntry<Self>(WM_PROFILE_FILE, &Self::OnProfileFile),
        OnMessageEntry<Self>(WM_TIMER, &Self::OnTimer),
        OnMessageEntry<Self>(WM_LBUTTONDOWN, &Self::OnLeftButtonDown),
        OnMessageEntry<Self>(WM_MOUSEMOVE, &Self::OnMouseMove),
        OnMessageEntry<Self>(WM_MOUSEHOVER, &Self::OnMouseHover),
        OnMessageEntry<Self>(WM_MOUSELEAVE, &Self::OnMouseLeave),
        OnMessageEntry<Self>(WM_PANEL_SCROLL, &Self::OnPanelScroll),
        OnCommandEntry<Self>(ID_TRAY_EXIT, &Self::OnTrayExit),
        {WM_COMMAND, LBN_SELCHANGE, kFirstListId, kLastListId, &Self::OnListChoice},
        {WM_COMMAND, LBN_DBLCLK, kFirstListId, kLastListId, &Self::OnListChoice},
        {WM_COMMAND, kMenuOrAccelerator, ID_SIMULATE_PLUG, ID_SIMULATE_MACRO_KEY + 11,
         &Self::OnSimulationCommand},
    }};
    // Dropped files fall through to the default handling, which ignores them.
    return DispatchMessageTable<Self>(*this, kMessageTable, message, wParam, lParam, result) ||
           CDialog::OnMessage(message, wParam, lParam, result);
}

BOOL CVarnixDlg::OnInitDialog() {
    EnforceSingleInstance();
    CDialog::OnInitDialog();

    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowTextW(m_hWnd, kWindowTitle);

    m_state.eventWindow = m_hWnd;
    ConnectAtStartUp();
    if (!StartListener()) return FALSE;
    if (!RegisterForDeviceChanges()) return FALSE;
    LoadProfileAtStartUp();
    FillTextCatalogue(m_state.store.languageCode);
    LoadSkin();
    CreateCaptionFont();
    CreateThumb();
    // Without the mouse the pages stay empty until it arrives.
    if (m_state.deviceLink.connected) FillPages();
    AddTrayIcon();

    return TRUE;
}

bool CVarnixDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE) {
        HoverList(msg->hwnd, {static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))});
        return false;
    }
    // The main window is never ended from the keyboard.
    return msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

LRESULT CVarnixDlg::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    if (!IsIconic(m_hWnd)) {
        PaintClient(dc);
        EndPaint(m_hWnd, &paint);
        return 0;
    }
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
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
    CloseDevice();
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
