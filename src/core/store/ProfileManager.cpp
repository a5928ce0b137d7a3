#include "core/store/ProfileManager.h"

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <tuple>

#include "core/app/LanguageTexts.h"
#include "core/app/ModulePaths.h"
#include "core/platform/DecimalText.h"
#include "core/platform/IniDocument.h"
#include "core/store/FactoryFiles.h"
#include "core/store/ProfileFiles.h"

namespace ravix {
namespace {

const std::wstring kListSection = L"Profile";
// A profile text file is small; anything far larger is not one of ours.
constexpr std::size_t kMaxTextFileBytes = 1 << 20;

std::wstring ItemKey(std::size_t index) {
    return L"Item" + std::to_wstring(index);
}

bool HasName(std::span<const std::wstring> names, std::wstring_view name, std::size_t except = SIZE_MAX) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (i != except && IniNamesEqual(names[i], name)) return true;
    return false;
}

// Whether the list file gives the name back exactly as it was written.
bool IsStorableName(std::wstring_view name) {
    if (std::any_of(name.begin(), name.end(), [](wchar_t c) { return std::iswcntrl(c) != 0; })) return false;
    return IniValueAsRead(name) == name && StorableIniValue(name) == name;
}

// The two files of a list position.
struct PositionFiles {
    std::wstring config, text;
};

PositionFiles FilesOf(const std::wstring& executablePath, int position) {
    return {PathBesideExecutable(executablePath, ConfigFileName(position)),
            PathBesideExecutable(executablePath, TextFileName(position))};
}

std::vector<std::uint8_t> FactoryBytes(const std::wstring& name) {
    for (FactoryFile& file : FactoryFiles())
        if (file.name == name) return std::move(file.bytes);
    return {};
}

// One file's new content and the content it had, for putting it back.
struct PlannedWrite {
    std::wstring path;
    std::vector<std::uint8_t> bytes;
    std::optional<std::vector<std::uint8_t>> before;  // none: the file was not there
};

// The file's bytes, the factory's when it is missing; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadOr(const BinaryFiles& files, const std::wstring& path,
                                                std::optional<std::vector<std::uint8_t>> missing,
                                                ProfileFilesMove& failure) {
    FileContents contents = files.Read(path, kMaxTextFileBytes);
    if (contents.status == FileContents::Status::Ok) return std::move(contents.bytes);
    if (contents.status == FileContents::Status::Missing && missing) return missing;
    failure.failedPath = path;
    return std::nullopt;
}

}  // namespace

ProfileList ReadProfileList(const IniFile& ini, const std::wstring& listPath) {
    const std::vector<IniEntry> entries = ini.ReadSection(listPath, kListSection);
    ProfileList list;
    list.current = FindIniValue(entries, L"CurProfileName");
    int count = LeadingDecimal(FindIniValue(entries, L"ItemCount"));
    const bool counted = count >= 1 && count <= kMaxProfiles;
    if (!counted) count = kMaxProfiles;
    for (int i = 0; i < count; ++i) {
        std::wstring name = FindIniValue(entries, ItemKey(static_cast<std::size_t>(i)));
        if (!counted && name.empty()) break;
        list.names.push_back(std::move(name));
    }
    return list;
}

bool WriteProfileList(IniFile& ini, const std::wstring& listPath, const ProfileList& list) {
    bool written = ini.DeleteSection(listPath, kListSection);
    written = ini.WriteString(listPath, kListSection, L"CurProfileName", list.current) && written;
    if (list.names.empty()) return written;
    written = ini.WriteString(listPath, kListSection, L"ItemCount", std::to_wstring(list.names.size())) && written;
    for (std::size_t i = 0; i < list.names.size(); ++i)
        written = ini.WriteString(listPath, kListSection, ItemKey(i), list.names[i]) && written;
    return written;
}

std::optional<int> FindCurrentProfile(std::span<const std::wstring> names, std::wstring_view current) {
    std::optional<int> found;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == current) found = static_cast<int>(i);
    return found;
}

std::optional<std::wstring> NewProfileName(std::span<const std::wstring> names, std::wstring_view baseName) {
    if (names.size() >= static_cast<std::size_t>(kMaxProfiles)) return std::nullopt;
    std::wstring stem = std::wstring(baseName) + L"_";
    int number = 0;
    if (!names.empty()) {
        const std::wstring& last = names.back();
        const std::size_t underscore = last.find(L'_');
        if (underscore != std::wstring::npos) {
            number = LeadingDecimal(std::wstring_view(last).substr(underscore + 1)) + 1;
        } else {
            stem = last + L"_";
            number = static_cast<int>(names.size());
        }
    }
    while (HasName(names, stem + std::to_wstring(number))) ++number;
    return stem + std::to_wstring(number);
}

CheckedProfileName CheckProfileName(std::wstring_view typed, std::span<const std::wstring> names,
                                    std::size_t renamed) {
    CheckedProfileName checked{ProfileNameProblem::None, std::wstring(TrimIniSpace(typed))};
    if (checked.name.empty())
        checked.problem = ProfileNameProblem::Empty;
    else if (!IsStorableName(checked.name))
        checked.problem = ProfileNameProblem::NotStorable;
    else if (HasName(names, checked.name, renamed))
        checked.problem = ProfileNameProblem::Taken;
    return checked;
}

std::wstring ProfileNameMessage(ProfileNameProblem problem, Language language) {
    switch (problem) {
        case ProfileNameProblem::None:
            return L"";
        case ProfileNameProblem::Empty:
            return language == Language::SimplifiedChinese    ? L"配置名称不能为空。"
                   : language == Language::TraditionalChinese ? L"配置名稱不能為空。"
                                                              : L"A profile needs a name.";
        case ProfileNameProblem::Taken:
            return language == Language::SimplifiedChinese    ? L"已有同名的配置，请换一个名称。"
                   : language == Language::TraditionalChinese ? L"已有同名的配置，請換一個名稱。"
                                                              : L"Another profile already has this name.";
        case ProfileNameProblem::NotStorable:
            break;
    }
    return language == Language::SimplifiedChinese
               ? L"无法保存此名称：名称不能带引号或控制字符，且不能超过1023个字符。"
           : language == Language::TraditionalChinese
               ? L"無法保存此名稱：名稱不能帶引號或控制字元，且不能超過1023個字元。"
               : L"This name cannot be stored: a name may not be in quotes, hold control characters or be "
                 L"longer than 1023 characters.";
}

ProfileFilesMove MoveProfileFilesDown(BinaryFiles& files, const std::wstring& executablePath, int deleted, int count) {
    ProfileFilesMove result;
    if (deleted < 0 || deleted >= count || count > kMaxProfiles) return result;
    std::vector<PlannedWrite> plan;
    for (int position = deleted; position < count; ++position) {
        const PositionFiles target = FilesOf(executablePath, position);
        const bool last = position == count - 1;
        const std::vector<std::uint8_t> factoryConfig = FactoryBytes(ConfigFileName(position));
        const std::vector<std::uint8_t> factoryText = FactoryBytes(TextFileName(position));
        const PositionFiles source = last ? target : FilesOf(executablePath, position + 1);
        for (const auto& [path, from, factory] :
             {std::tuple{target.config, source.config, factoryConfig}, std::tuple{target.text, source.text, factoryText}}) {
            std::optional<std::vector<std::uint8_t>> bytes =
                last ? std::optional(factory) : ReadOr(files, from, factory, result);
            if (!bytes) return result;
            // The file being replaced, kept to put back; a missing one has nothing to keep.
            const FileContents before = files.Read(path, kMaxTextFileBytes);
            if (before.status != FileContents::Status::Ok && before.status != FileContents::Status::Missing) {
                result.failedPath = path;
                return result;
            }
            plan.push_back({path, std::move(*bytes),
                            before.status == FileContents::Status::Ok ? std::optional(before.bytes) : std::nullopt});
        }
    }
    // Lowest first: every file written over is either the deleted profile's or already copied one
    // position down.
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (const int error = files.Replace(plan[i].path, plan[i].bytes); error != 0) {
            result.failedPath = plan[i].path;
            result.error = error;
            for (std::size_t j = i; j-- > 0;)
                if (plan[j].before) files.Replace(plan[j].path, *plan[j].before);
            return result;
        }
    }
    result.moved = true;
    return result;
}

std::wstring ProfileFilesMoveMessage(const ProfileFilesMove& move, Language language) {
    std::wstring text = InLanguage(language, {L"The profile could not be deleted: \"", L"无法删除配置：\"", L"無法刪除設定：\""});
    text += move.failedPath + L"\"";
    if (move.error == 0)
        text += InLanguage(language, {L" could not be read", L" 无法读取", L" 無法讀取"});
    else
        text += InLanguage(language, {L" could not be written (error ", L" 无法写入（错误代码 ", L" 無法寫入（錯誤代碼 "}) +
                std::to_wstring(move.error) + InLanguage(language, {L")", L"）", L"）"});
    return text + InLanguage(language, {L". The profiles and their files were left as they were.",
                                        L"。配置及其文件均保持原样。", L"。設定及其檔案均保持原樣。"});
}

}  // namespace ravix
