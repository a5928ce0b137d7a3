#pragma once

#include <windows.h>

namespace ravix::win {

// A window object bound to a Win32 window. Derived classes handle messages in OnMessage, usually by
// dispatching through their own message table (see MessageMap.h) and falling back to their base.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window, or null for a window of no class of ours.
    static CWnd* FromHandle(HWND hwnd);

    // Binds this object to an existing window (a control created at run time) by replacing its
    // window procedure; messages the object does not handle go to the original procedure.
    bool SubclassWindow(HWND hwnd);

    // Called by the modal loop for every message bound for this window or one of its children,
    // before it is dispatched. Returning true swallows the message.
    virtual bool PreTranslateMessage(MSG* msg);

    // Walks from the message's window up to its top-level window, giving each object a chance to
    // swallow the message.
    static bool PreTranslateTree(MSG* msg);

protected:
    // Handles one message; returns true when handled, with the result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // A notification that this control sent to its parent (command, draw item, colour request,
    // WM_NOTIFY), handed back to the control first. Returning true stops it there; returning false
    // lets the parent's own table see it as well.
    virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The default processing of the message being handled (the original or the default procedure).
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Offers a parent's notification to the control that sent it.
    static bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Runs the reflection and the object's table for a message arriving at this window.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND m_hWnd = nullptr;

private:
    void Attach(HWND hwnd);
    void Detach();

    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC m_originalProc = nullptr;
};

}  // namespace ravix::win
