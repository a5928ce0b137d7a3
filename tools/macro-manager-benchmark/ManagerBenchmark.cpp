// Prints how long the macro manager takes to open under Wine on a full library (twelve macros of
// 64 lines each): from its creation until its first picture is on the window, the median of ten
// openings, against the 100 ms a user waits without noticing. Run by tools/macro-manager-benchmark.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/macros/MacroLibrary.h"
#include "win/dialogs/MacroProgramDialog.h"
#include "win/platform/WinIniFile.h"

namespace {

class PrintingNotifier final : public ravix::Notifier {
public:
    void ShowMessage(const std::wstring& text, const std::wstring& caption) override {
        std::wprintf(L"%ls: %ls\n", caption.c_str(), text.c_str());
    }
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Twelve recordings of 64 key events with their delays, as the recorder leaves them.
void WriteFullLibrary(ravix::IniFile& ini, const std::wstring& path) {
    ravix::MacroLibrary library(ini, path);
    for (int k = 0; k < 12; ++k) {
        const std::wstring name = L"Macro-" + std::to_wstring(k);
        library.WriteRepeatCount(name, 1);
        ravix::StoredMacro macro{name, 1, 1, L"1", {}};
        for (int e = 0; e < 64; ++e) {
            if (e > 0) macro.items.push_back(std::to_wstring(40 + e) + L" ms");
            macro.items.push_back(std::wstring(1, static_cast<wchar_t>(L'A' + e / 2 % 26)) +
                                  (e % 2 ? L"   Up" : L"   Dn"));
        }
        library.Save(macro);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace ravix;
    using namespace ravix::win;
    if (argc < 2) {
        std::printf("usage: macro_manager_benchmark SKIN_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"ravix-manager-benchmark";
    std::filesystem::create_directories(folder);
    const std::wstring path = (folder / L"record.ini").wstring();
    std::filesystem::remove(path);
    WinIniFile ini;
    WriteFullLibrary(ini, path);
    PrintingNotifier notifier;
    ProfileSettings settings{};
    MacroManagerMemory memory;
    std::vector<double> times;
    for (int run = 0; run < 10; ++run) {
        LARGE_INTEGER from, to;
        QueryPerformanceCounter(&from);
        CMacroProgramDialog dialog(
            nullptr, {argv[1], Language::English, {0, 255, 0}, ini, notifier, path, settings, memory});
        if (!dialog.Create()) {
            std::printf("the macro manager could not be created\n");
            return 1;
        }
        ShowWindow(dialog.GetSafeHwnd(), SW_SHOW);
        UpdateWindow(dialog.GetSafeHwnd());
        QueryPerformanceCounter(&to);
        times.push_back(Milliseconds(from, to));
        if (SendMessageW(dialog.MacroList(), LB_GETCOUNT, 0, 0) != 12 ||
            SendMessageW(dialog.KeyList(), LB_GETCOUNT, 0, 0) != 127) {
            std::printf("the macro manager did not show the library\n");
            return 1;
        }
        DestroyWindow(dialog.GetSafeHwnd());
    }
    // What reading the library costs on its own: the names and the first macro, as the manager reads them.
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    const MacroLibrary library(ini, path);
    const std::vector<std::wstring> names = library.List();
    const StoredMacro first = library.Load(names.front());
    QueryPerformanceCounter(&to);
    std::printf("Of which reading the library (names and the first macro): %.1f ms\n", Milliseconds(from, to));
    std::sort(times.begin(), times.end());
    const double median = (times[4] + times[5]) / 2;
    std::printf(
        "Macro manager opened on twelve 64-event macros: %.1f ms (median of 10; fastest %.1f, slowest "
        "%.1f)\n",
        median, times.front(), times.back());
    std::printf("Target under 100 ms: %s\n", median < 100 ? "met" : "NOT met");
    std::filesystem::remove_all(folder);
    return 0;
}
