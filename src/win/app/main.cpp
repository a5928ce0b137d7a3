#include <windows.h>

#include "win/app/VarnixApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    static ravix::win::CVarnixApp application;
    return application.Run(instance);
}
