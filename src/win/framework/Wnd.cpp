#include "win/framework/Wnd.h"

namespace ravix::win {
namespace {

constexpr wchar_t kObjectProperty[] = L"RavixWindowObject";

// The control that a parent's notification came from, if the message carries one.
HWND NotificationSender(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORMSGBOX:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
        }
        default:
            return nullptr;
    }
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd && m_originalProc) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_originalProc));
    }
    Detach();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::Detach() {
    if (m_hWnd && IsWindow(m_hWnd)) RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || FromHandle(hwnd)) return false;
    Attach(hwnd);
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return m_originalProc != nullptr;
}

bool CWnd::PreTranslateMessage(MSG*) {
    return false;
}

bool CWnd::PreTranslateTree(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = GetAncestor(hwnd, GA_PARENT)) {
        if (CWnd* wnd = FromHandle(hwnd); wnd && wnd->PreTranslateMessage(msg)) return true;
        if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWnd::OnReflectedMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_originalProc) return CallWindowProcW(m_originalProc, m_hWnd, message, wParam, lParam);
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CWnd* child = FromHandle(NotificationSender(message, lParam));
    return child && child->OnReflectedMessage(message, wParam, lParam, result);
}

bool CWnd::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return ReflectToChild(message, wParam, lParam, result) || OnMessage(message, wParam, lParam, result);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (wnd->Handle(message, wParam, lParam, result)) return result;
    const WNDPROC original = wnd->m_originalProc;
    if (message == WM_NCDESTROY) {
        // The window is going away: give it back its own procedure and unbind the object.
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        wnd->m_originalProc = nullptr;
        wnd->Detach();
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace ravix::win
