#include "core/dialogs/MacroDeletionFiles.h"

#include <cstring>

#include "core/app/LanguageTexts.h"
#include "core/app/ModulePaths.h"
#include "core/dialogs/MacroDialogs.h"
#include "core/store/ProfileFiles.h"

namespace ravix {

StoredProfilesFollow FollowMacroDeletionInProfileFiles(BinaryFiles& files, const std::wstring& executablePath,
                                                       std::size_t position) {
    StoredProfilesFollow follow;
    for (int index = 0; index < kMaxProfiles; ++index) {
        const std::wstring path = PathBesideExecutable(executablePath, ConfigFileName(index));
        const ConfigFileRead read = ReadConfigFile(files, path);
        if (read.problem != ConfigFileRead::Problem::None) continue;
        ProfileSettings settings;
        std::memcpy(&settings, read.bytes.data() + 1, sizeof settings);
        if (FollowMacroDeletion(settings, position).playedLater.empty()) continue;
        if (const int error = files.Replace(path, ConfigFileBytesOf(settings, read.bytes[0])); error != 0) {
            follow.failed.push_back({path, error});
        } else {
            follow.changed.push_back(path);
        }
    }
    return follow;
}

std::wstring ProfileFilesNotFollowed(const StoredProfilesFollow& follow, Language language) {
    if (follow.failed.empty()) return {};
    std::wstring text = InLanguage(
        language,
        {L"These profile files could not be written and keep the old macro numbers (system error "
         L"code in brackets); their buttons may play another macro:",
         L"以下配置文件无法写入，仍保留原来的宏编号（括号内为系统错误代码），其按键可能会执行其他宏：",
         L"以下設定檔無法寫入，仍保留原來的巨集編號（括號內為系統錯誤代碼），其按鍵可能會執行其他巨集："});
    for (const StoredProfilesFollow::Failure& failure : follow.failed)
        text += L"\n" + failure.path + L" (" + std::to_wstring(failure.error) + L")";
    return text;
}

}  // namespace ravix
