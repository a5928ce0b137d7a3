// The program's load-time settings, checked in the test executable, which links the same resource
// script and so carries the same manifest: common controls 6, and the DLL search restricted.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "win/platform/DllSearch.h"

namespace ravix::win {
namespace {

TEST(ReleaseManifest, IsEmbeddedAndBringsCommonControlsSix) {
    const HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
    const std::string xml(text, SizeofResource(nullptr, manifest));
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);

    // Version 6 lives in the side-by-side store (Wine's DllGetVersion reports 5 for both).
    const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(controls, path, MAX_PATH);
    const std::wstring loaded = CharLowerW(path);
    EXPECT_NE(loaded.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
        << "loaded " << std::string(loaded.begin(), loaded.end());
    FreeLibrary(controls);
}

#ifdef RAVIX_KBHOOK_PATH
TEST(DllSearch, ADllPlantedInTheCurrentFolderIsNotLoadedByName) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"ravix-planted-dll";
    std::filesystem::create_directories(folder);
    const std::filesystem::path planted = folder / L"RavixPlanted.dll";
    std::filesystem::copy_file(RAVIX_KBHOOK_PATH, planted, std::filesystem::copy_options::overwrite_existing);
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);

    ASSERT_TRUE(RestrictDllSearch());
    SetCurrentDirectoryW(folder.c_str());
    const HMODULE byName = LoadLibraryW(L"RavixPlanted.dll");
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(byName, nullptr) << "the current folder is still searched";
    if (byName) FreeLibrary(byName);
    // The program's own DLLs, loaded by their full path, still load.
    const HMODULE byPath = LoadLibraryW(planted.c_str());
    EXPECT_NE(byPath, nullptr);
    if (byPath) FreeLibrary(byPath);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
#endif

}  // namespace
}  // namespace ravix::win
