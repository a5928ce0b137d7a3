#pragma once

#include <cstdint>

#include "win/framework/App.h"

namespace ravix::win {

// The program's application object: registers the main window's class, starts GDI+ and runs the
// main window modally for the whole life of the process.
class CVarnixApp : public CWinApp {
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    ULONG_PTR m_gdiplusToken = 0;
};

}  // namespace ravix::win
