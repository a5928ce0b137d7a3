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

// A write the system refuses is reported with the system's "access denied", 5, where the C runtime
// would say 13; the text file adapter reports the same code for a refused label write. A folder in
// the place of the copy a write makes refuses it.
TEST(WinFileErrors, ARefusedWriteGivesTheSystemsAccessDenied) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"ravix-denied-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring bin = folder + L"\\config0.bin", ini = folder + L"\\str0.ini";
    CreateDirectoryW((bin + L".writing").c_str(), nullptr);
    CreateDirectoryW((ini + L".writing.writing").c_str(), nullptr);

    WinBinaryFiles files;
    EXPECT_EQ(files.Replace(bin, std::vector<std::uint8_t>{2}), ERROR_ACCESS_DENIED);
    WinIniFile text;
    EXPECT_FALSE(text.WriteString(ini, L"Setting-EN", L"Item1", L"Click"));
    EXPECT_EQ(text.LastWriteError(), ERROR_ACCESS_DENIED);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
}  // namespace ravix::win
