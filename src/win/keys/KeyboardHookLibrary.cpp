#include "win/keys/KeyboardHookLibrary.h"

#include "core/app/ModulePaths.h"

namespace ravix::win {

KeyboardHookLibrary::KeyboardHookLibrary(const std::wstring& executablePath)
    : m_path(PathBesideExecutable(executablePath, L"KBHook.dll")) {}

std::wstring KeyboardHookFailureMessage(const std::wstring& path, DWORD error, Language language) {
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_MOD_NOT_FOUND;
    const std::wstring code = std::to_wstring(error);
    const std::wstring quoted = L"\"" + path + L"\"";
    switch (language) {
        case Language::SimplifiedChinese:
            return L"键盘钩子 " + quoted +
                   (missing ? L" 缺失" : error != 0 ? L" 无法加载（错误 " + code + L"）" : std::wstring(L" 不是本程序的组件")) +
                   L"，无法捕获按键。请重新安装程序；在此之前对话框保留已存储的按键。";
        case Language::TraditionalChinese:
            return L"鍵盤鉤子 " + quoted +
                   (missing ? L" 遺失" : error != 0 ? L" 無法載入（錯誤 " + code + L"）" : std::wstring(L" 不是本程式的元件")) +
                   L"，無法擷取按鍵。請重新安裝程式；在此之前對話框保留已儲存的按鍵。";
        case Language::English:
            break;
    }
    return L"The keyboard hook " + quoted +
           (missing ? L" is missing" : error != 0 ? L" cannot be loaded (error " + code + L")" : std::wstring(L" is not the program's own")) +
           L", so keys cannot be captured. Reinstall the program to restore it; until then the dialog keeps the "
           L"stored keys.";
}

bool KeyboardHookLibrary::Install(HWND window, Notifier& notifier, Language language) {
    Remove();
    if (!m_module) {
        // Only the named file: its dependencies come from the system folder.
        m_module.Reset(LoadLibraryExW(m_path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
        if (!m_module) {
            notifier.ShowMessage(KeyboardHookFailureMessage(m_path, GetLastError(), language), L"Warning");
            return false;
        }
        OutputDebugStringW(L"loaded hook OK!\n");
    }
    const auto install =
        reinterpret_cast<InstallHook>(reinterpret_cast<void*>(GetProcAddress(m_module.Get(), "installhook")));
    m_remove = reinterpret_cast<RemoveHook>(reinterpret_cast<void*>(GetProcAddress(m_module.Get(), "removehook")));
    if (!install || !m_remove) {
        m_remove = nullptr;
        notifier.ShowMessage(KeyboardHookFailureMessage(m_path, 0, language), L"Warning");
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
