#include "core/dialogs/MacroDeletionFiles.h"

#include <algorithm>

#include "core/app/LanguageTexts.h"
#include "core/app/ModulePaths.h"
#include "core/dialogs/MacroDialogs.h"
#include "core/store/ProfileFiles.h"

namespace ravix {
namespace {

void DropSlot(ProfileSettings& settings, std::size_t position) {
    auto& slots = settings.macroSlots;
    if (position >= slots.size()) return;
    std::move(slots.begin() + static_cast<std::ptrdiff_t>(position) + 1, slots.end(),
              slots.begin() + static_cast<std::ptrdiff_t>(position));
    slots.back().fill(0);
}

}  // namespace

StoredProfilesFollow FollowMacroDeletionInProfileFiles(BinaryFiles& files, const std::wstring& executablePath,
                                                       std::size_t position) {
    StoredProfilesFollow follow;
    for (int index = 0; index < kMaxProfiles; ++index) {
        const std::wstring path = PathBesideExecutable(executablePath, ConfigFileName(index));
        const ConfigFileRead read = ReadConfigFile(files, path);
        if (read.problem != ConfigFileRead::Problem::None) continue;
        ProfileSettings settings = SettingsOf(read.bytes);
        if (!FollowMacroDeletion(settings, position).playedDeleted.empty()) follow.playedDeleted.push_back(path);
        DropSlot(settings, position);
        const ConfigFileBytes followed = ConfigFileBytesOf(settings, read.bytes[0]);
        if (std::equal(followed.begin(), followed.end(), read.bytes.begin(), read.bytes.end())) continue;
        if (const int error = files.Replace(path, followed); error != 0) {
            follow.failed.push_back({path, error});
        } else {
            follow.changed.push_back(path);
        }
    }
    return follow;
}

std::wstring StoredProfilesWarning(const StoredProfilesFollow& follow, Language language) {
    std::wstring text;
    if (!follow.playedDeleted.empty()) {
        text = InLanguage(language, {L"In these profile files a button played the deleted macro; assign it another "
                                     L"function when the profile is current:",
                                     L"以下配置文件中有按键曾分配已删除的宏，请在该配置为当前配置时为其重新分配功能：",
                                     L"以下設定檔中有按鍵曾指派已刪除的巨集，請在該設定為目前設定時為其重新指派功能："});
        for (const std::wstring& path : follow.playedDeleted) text += L"\n" + path;
    }
    if (follow.failed.empty()) return text;
    if (!text.empty()) text += L"\n\n";
    text += InLanguage(
        language,
        {L"These profile files could not be written and keep the old macro numbers (system error "
         L"code in brackets); check their buttons' macros when the profile is current:",
         L"以下配置文件无法写入，仍保留原来的宏编号（括号内为系统错误代码），请在该配置为当前配置时检查其按键的宏：",
         L"以下設定檔無法寫入，仍保留原來的巨集編號（括號內為系統錯誤代碼），請在該設定為目前設定時檢查其按鍵的巨集："});
    for (const StoredProfilesFollow::Failure& failure : follow.failed)
        text += L"\n" + failure.path + L" (" + std::to_wstring(failure.error) + L")";
    return text;
}

}  // namespace ravix
