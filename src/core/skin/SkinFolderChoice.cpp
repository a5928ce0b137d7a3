#include "core/skin/SkinFolderChoice.h"

#include "core/app/ApplicationSettings.h"
#include "core/store/FactoryFiles.h"

namespace ravix {
namespace {

constexpr std::wstring_view kMainPicture = L"/main.png";

}  // namespace

SkinFolderChoice ChooseSkinFolder(std::wstring_view executablePath, std::wstring_view pathKey,
                                  const std::function<bool(const std::wstring& file)>& loads) {
    SkinFolderChoice choice{SkinFolderOf(executablePath, pathKey), {}};
    if (loads(choice.folder + std::wstring(kMainPicture))) return choice;
    choice.failedFiles.push_back(choice.folder + std::wstring(kMainPicture));
    const std::wstring shipped = SkinFolderOf(executablePath, kDefaultSkinName);
    if (shipped == choice.folder) return choice;
    if (loads(shipped + std::wstring(kMainPicture))) {
        choice.folder = shipped;
        return choice;
    }
    choice.failedFiles.push_back(shipped + std::wstring(kMainPicture));
    return choice;
}

std::wstring SkinFailureMessage(const SkinFolderChoice& choice) {
    if (choice.failedFiles.empty()) return {};
    std::wstring text = L"The skin file \"" + choice.failedFiles.front() + L"\" could not be loaded.";
    if (choice.failedFiles.size() == 1) return text + L" The default skin is shown instead.";
    return text + L" The default skin's \"" + choice.failedFiles.back() + L"\" could not be loaded either.";
}

}  // namespace ravix
