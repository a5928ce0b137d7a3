#include <windows.h>

#include "win/app/VarnixApp.h"
#include "win/platform/DllSearch.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    ravix::win::RestrictDllSearch();
    static ravix::win::CVarnixApp application;
    return application.Run(instance);
}
