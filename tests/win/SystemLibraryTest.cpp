// The system functions the program loads on first use: each one it asks for is found in the system
// folder, and the program's import table no longer names their DLLs, so starting it maps neither.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "win/platform/SystemLibrary.h"

namespace ravix::win {
namespace {

TEST(SystemLibrary, TheOccasionalFunctionsComeFromTheSystemFolder) {
    struct Function {
        const wchar_t* library;
        const char* name;
    };
    const Function used[] = {{L"comdlg32.dll", "GetOpenFileNameW"}, {L"comdlg32.dll", "GetSaveFileNameW"},
                             {L"comdlg32.dll", "CommDlgExtendedError"}, {L"winmm.dll", "timeBeginPeriod"},
                             {L"winmm.dll", "timeEndPeriod"}};
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    for (const Function& function : used) {
        EXPECT_NE(SystemFunction(function.library, function.name), nullptr) << function.name;
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(GetModuleHandleW(function.library), path, MAX_PATH);
        EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(system)) << function.name;
    }
    EXPECT_EQ(SystemFunction(L"comdlg32.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(SystemFunction(L"ravix-no-such-library.dll", "GetOpenFileNameW"), nullptr);
}

// The DLL names of an executable's import table, in lower case.
std::vector<std::string> ImportedLibraries(const std::wstring& executable) {
    std::vector<std::string> names;
    const HMODULE image = LoadLibraryExW(executable.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!image) return names;
    const auto* base = reinterpret_cast<const BYTE*>(image);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         imports.VirtualAddress && entry->Name; ++entry) {
        std::string name(reinterpret_cast<const char*>(base + entry->Name));
        std::transform(name.begin(), name.end(), name.begin(), [](char c) { return static_cast<char>(tolower(c)); });
        names.push_back(name);
    }
    FreeLibrary(image);
    return names;
}

#ifdef RAVIX_KBHOOK_PATH
TEST(SystemLibrary, TheProgramDoesNotImportWhatItLoadsOnFirstUse) {
    const auto program = std::filesystem::path(RAVIX_KBHOOK_PATH).parent_path() / L"Velmar Ravix Driver.exe";
    const std::vector<std::string> imported = ImportedLibraries(program.wstring());
    ASSERT_FALSE(imported.empty()) << "the import table cannot be read";
    EXPECT_NE(std::find(imported.begin(), imported.end(), "gdiplus.dll"), imported.end());
    for (const char* loadedLater : {"comdlg32.dll", "winmm.dll"})
        EXPECT_EQ(std::find(imported.begin(), imported.end(), loadedLater), imported.end()) << loadedLater;
}
#endif

}  // namespace
}  // namespace ravix::win
