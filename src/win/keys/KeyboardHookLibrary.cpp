#include "win/keys/KeyboardHookLibrary.h"

#include "core/app/ModulePaths.h"

namespace ravix::win {

KeyboardHookLibrary::KeyboardHookLibrary(const std::wstring& executablePath)
    : m_path(PathBesideExecutable(executablePath, L"KBHook.dll")) {}

std::wstring KeyboardHookFailureMessage(const std::wstring& path, DWORD error) {
    std::wstring text = L"The keyboard hook \"" + path + L"\" ";
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_MOD_NOT_FOUND)
        text += L"is missing";
    else if (error != 0)
        text += L"cannot be loaded (error " + std::to_wstring(error) + L")";
    else
        text += L"is not the program's own";
    return text + L", so keys cannot be captured. Reinstall the program to restore it; until then the "
                  L"dialog keeps the stored keys.";
}

bool KeyboardHookLibrary::Install(HWND window, Notifier& notifier) {
    Remove();
    if (!m_module) {
        // Only the named file: its dependencies come from the system folder.
        m_module.Reset(LoadLibraryExW(m_path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
        if (!m_module) {
            notifier.ShowMessage(KeyboardHookFailureMessage(m_path, GetLastError()), L"Warning");
            return false;
        }
        OutputDebugStringW(L"loaded hook OK!\n");
    }
    const auto install =
        reinterpret_cast<InstallHook>(reinterpret_cast<void*>(GetProcAddress(m_module.Get(), "installhook")));
    m_remove = reinterpret_cast<RemoveHook>(reinterpret_cast<void*>(GetProcAddress(m_module.Get(), "removehook")));
    if (!install || !m_remove) {
        m_remove = nullptr;
        notifier.ShowMessage(KeyboardHookFailureMessage(m_path, 0), L"Warning");
        return false;
    }
    m_installed = install(window) != FALSE;
    return m_installed;
}

void KeyboardHookLibrary::Remove() {
    if (m_installed && m_remove) m_remove();
    m_installed = false;
}

}  // namespace ravix::win
