// The conformance suite of the BinaryFiles port against the adapter over the system's file
// functions, and the error code a user is shown when a write is refused.
#include <windows.h>

#include "tests/conformance/BinaryFilesConformance.h"
#include "win/platform/WinBinaryFiles.h"
#include "win/platform/WinIniFile.h"

INSTANTIATE_TEST_SUITE_P(Win32, BinaryFilesConformance,
                         ::testing::Values(BinaryFilesImplementation{
                             "Win32", [] { return std::make_unique<ravix::win::WinBinaryFiles>(); }}),
                         BinaryFilesImplementationName);

namespace ravix::win {
namespace {

// A read-only file refuses to be replaced with the system's "access denied", 5, where the C
// runtime would say 13; the text file adapter reports the same code for a refused label write.
TEST(WinFileErrors, AReadOnlyFileGivesTheSystemsAccessDenied) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring bin = std::wstring(folder) + L"ravix-readonly.bin";
    const std::wstring ini = std::wstring(folder) + L"ravix-readonly.ini";
    WinBinaryFiles files;
    ASSERT_EQ(files.Replace(bin, std::vector<std::uint8_t>{1}), 0);
    ASSERT_EQ(files.Replace(ini, std::vector<std::uint8_t>{0xFF, 0xFE}), 0);
    SetFileAttributesW(bin.c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(files.Replace(bin, std::vector<std::uint8_t>{2}), ERROR_ACCESS_DENIED);
    WinIniFile text;
    EXPECT_FALSE(text.WriteString(ini, L"Setting-EN", L"Item1", L"Click"));
    EXPECT_EQ(text.LastWriteError(), ERROR_ACCESS_DENIED);

    SetFileAttributesW(bin.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(files.Read(bin, 10).bytes, std::vector<std::uint8_t>{1});
    DeleteFileW(bin.c_str());
    DeleteFileW(ini.c_str());
}

}  // namespace
}  // namespace ravix::win
