#pragma once

#include <windows.h>

namespace ravix::win {

class CWnd;

// The application object: one per process. InitInstance does the start-up; when it returns false
// the process ends after ExitInstance (the main window's modal run lives inside InitInstance).
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return m_exitCode; }

    // Runs the application: InitInstance, a message loop if it returned true, ExitInstance.
    int Run(HINSTANCE instance);

    static CWinApp* Current() { return s_current; }
    static HINSTANCE Instance();

    CWnd* m_pMainWnd = nullptr;

protected:
    HINSTANCE m_hInstance = nullptr;
    int m_exitCode = 0;

private:
    static CWinApp* s_current;
};

}  // namespace ravix::win
