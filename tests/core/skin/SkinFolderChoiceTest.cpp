#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "core/skin/SkinFolderChoice.h"

namespace ravix {
namespace {

const std::wstring kExe = L"C:\\Velmar\\Velmar Ravix Driver.exe";
const std::wstring kSkins = L"C:\\Velmar\\Skins/";

TEST(SkinFolderChoice, AnUnusableSkinFallsBackToTheShippedOneAndSaysWhichFileFailed) {
    struct Case {
        const char* what;
        std::wstring path;
        std::set<std::wstring> loadable;  // skin folders whose main picture loads
        std::wstring folder;
        std::vector<std::wstring> failed;
    } cases[] = {
        {"configured skin loads", L"Blue", {L"Blue", L"Default"}, kSkins + L"Blue", {}},
        {"configured skin broken", L"Blue", {L"Default"}, kSkins + L"Default", {kSkins + L"Blue/main.png"}},
        {"no such folder", L"Nowhere", {L"Default"}, kSkins + L"Default", {kSkins + L"Nowhere/main.png"}},
        {"empty path", L"", {L"Default"}, kSkins + L"Default", {kSkins + L"/main.png"}},
        {"out of Skins", L"..\\..\\Windows", {L"Default"}, kSkins + L"Default", {kSkins + L"/main.png"}},
        {"3000 characters",
         std::wstring(3000, L'a'),
         {L"Default"},
         kSkins + L"Default",
         {kSkins + L"/main.png"}},
        {"Default itself broken", L"Default", {}, kSkins + L"Default", {kSkins + L"Default/main.png"}},
        {"nothing loads",
         L"Blue",
         {},
         kSkins + L"Blue",
         {kSkins + L"Blue/main.png", kSkins + L"Default/main.png"}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> tried;
        const SkinFolderChoice choice = ChooseSkinFolder(kExe, c.path, [&](const std::wstring& file) {
            tried.push_back(file);
            for (const std::wstring& skin : c.loadable)
                if (file == kSkins + skin + L"/main.png") return true;
            return false;
        });
        EXPECT_EQ(choice.folder, c.folder) << c.what;
        EXPECT_EQ(choice.failedFiles, c.failed) << c.what;
        EXPECT_LE(tried.size(), 2u) << c.what;
    }
}

TEST(SkinFolderChoice, TheMessageNamesTheFileThatFailed) {
    EXPECT_EQ(SkinFailureMessage({kSkins + L"Blue", {}}), L"");
    EXPECT_EQ(SkinFailureMessage({kSkins + L"Default", {kSkins + L"Blue/main.png"}}),
              L"The skin file \"" + kSkins +
                  L"Blue/main.png\" could not be loaded. The default skin is shown instead.");
    EXPECT_THAT(
        SkinFailureMessage({kSkins + L"Blue", {kSkins + L"Blue/main.png", kSkins + L"Default/main.png"}}),
        ::testing::HasSubstr(L"\"" + kSkins + L"Default/main.png\" could not be loaded either."));
}

}  // namespace
}  // namespace ravix
