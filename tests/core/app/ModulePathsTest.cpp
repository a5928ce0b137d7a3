#include <gtest/gtest.h>

#include "core/app/ModulePaths.h"

namespace ravix {
namespace {

TEST(ModulePaths, FilesAreFoundBesideTheExecutable) {
    struct Case {
        std::wstring_view exe, relative, expected;
    } cases[] = {
        {L"C:\\Program Files\\Velmar\\Velmar Ravix Driver.exe", L"config0.bin",
         L"C:\\Program Files\\Velmar\\config0.bin"},
        {L"C:\\Velmar\\Velmar Ravix Driver.exe", L"Update\\X64\\FwUpdate.exe",
         L"C:\\Velmar\\Update\\X64\\FwUpdate.exe"},
        // A renamed executable still resolves to its folder, never to its own path.
        {L"D:\\x\\renamed.exe", L"str.ini", L"D:\\x\\str.ini"},
        {L"/opt/velmar/Velmar Ravix Driver.exe", L"record.ini", L"/opt/velmar/record.ini"},
        {L"Velmar Ravix Driver.exe", L"str.ini", L"str.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathBesideExecutable(c.exe, c.relative), c.expected) << std::wstring(c.exe);
}

TEST(ModulePaths, ApplicationNameIsTheFileNameWithoutExtension) {
    EXPECT_EQ(ApplicationName(L"C:\\a.b\\Velmar Ravix Driver.exe"), L"Velmar Ravix Driver");
    EXPECT_EQ(ApplicationName(L"C:\\a.b\\noext"), L"noext");
    EXPECT_EQ(ApplicationName(L"/x/.hidden"), L".hidden");
}

}  // namespace
}  // namespace ravix
