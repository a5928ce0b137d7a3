#pragma once

#include <windows.h>

#include <string>

#include "core/app/ApplicationSettings.h"
#include "core/platform/Notifier.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// KBHook.dll as the key capture dialogs use it: loaded from the program's own folder by its full
// path (never by name, so that no other DLL of that name can be run in its place), asked to report
// key presses to one window, and told to stop when that window goes.
class KeyboardHookLibrary {
public:
    // The library beside the executable at `executablePath`.
    explicit KeyboardHookLibrary(const std::wstring& executablePath);
    ~KeyboardHookLibrary() { Remove(); }
    KeyboardHookLibrary(const KeyboardHookLibrary&) = delete;
    KeyboardHookLibrary& operator=(const KeyboardHookLibrary&) = delete;

    // Loads the library and has it report to `window`. A library that is missing, cannot be
    // loaded or lacks its exports is reported to the user: the dialog then works without capture.
    bool Install(HWND window, Notifier& notifier, Language language);
    void Remove();
    bool Installed() const { return m_installed; }
    const std::wstring& Path() const { return m_path; }

private:
    using InstallHook = BOOL (*)(HWND);
    using RemoveHook = BOOL (*)();

    std::wstring m_path;
    UniqueModule m_module;
    RemoveHook m_remove = nullptr;
    bool m_installed = false;
};

// What the user is told when the library cannot be used; `error` is the system's code, 0 when the
// library loaded but lacks its exports.
std::wstring KeyboardHookFailureMessage(const std::wstring& path, DWORD error, Language language);

}  // namespace ravix::win
