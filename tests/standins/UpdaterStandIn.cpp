// Stands in for FwUpdate.exe in the tests: leaves "started.txt" with its own path beside itself,
// so that a test can tell which updater the program started.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring marker(path, length);
    marker = marker.substr(0, marker.find_last_of(L"\\/") + 1) + L"started.txt";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, path, length * sizeof(wchar_t), &written, nullptr);
    CloseHandle(file);
    return 0;
}
