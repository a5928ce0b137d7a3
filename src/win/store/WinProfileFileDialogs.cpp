#include "win/store/WinProfileFileDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win/platform/SystemLibrary.h"

namespace ravix::win {
namespace {

// The filter with its '|' separators as the terminators the system expects.
std::wstring SystemFilter() {
    std::wstring filter(ProfileFileDialogs::kFilter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    return filter;
}

}  // namespace

std::optional<std::wstring> WinProfileFileDialogs::ChooseFileToImport(const std::wstring& proposedPath) {
    return Choose(proposedPath, true);
}

std::optional<std::wstring> WinProfileFileDialogs::ChooseFileToExport(const std::wstring& proposedPath) {
    return Choose(proposedPath, false);
}

std::optional<std::wstring> WinProfileFileDialogs::Choose(const std::wstring& proposedPath, bool open) {
    std::vector<wchar_t> file(32768, L'\0');
    // A proposal longer than any path the dialog takes is left out rather than cut.
    if (proposedPath.size() < file.size()) std::copy(proposedPath.begin(), proposedPath.end(), file.begin());
    const std::wstring filter = SystemFilter();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = m_owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = nullptr;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR |
                   (open ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : 0);
    const char* const name = open ? "GetOpenFileNameW" : "GetSaveFileNameW";
    const auto show = SystemFunction<BOOL WINAPI(OPENFILENAMEW*)>(L"comdlg32.dll", name);
    const auto lastError = SystemFunction<DWORD WINAPI()>(L"comdlg32.dll", "CommDlgExtendedError");
    if (!show || !lastError) {
        m_failures.Failed(name, proposedPath);
        return std::nullopt;
    }
    if (!show(&dialog)) {
        // The dialogs report their own errors; none means the user cancelled.
        if (const DWORD error = lastError(); error != 0) m_failures.Failed(name, error, proposedPath);
        return std::nullopt;
    }
    return std::wstring(file.data());
}

}  // namespace ravix::win
