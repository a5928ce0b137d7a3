#include "core/dialogs/MacroDialogs.h"

#include "core/app/LanguageTexts.h"

namespace ravix {
namespace {

template <class Region>
struct Place {
    Region region;
    PixelRect rect;
};

template <class Region, std::size_t N>
PixelRect RectOf(const Place<Region> (&places)[N], Region region) {
    for (const auto& place : places)
        if (place.region == region) return place.rect;
    return {};
}

// The first of the regions that answer a press whose rectangle holds the point.
template <class Region, std::size_t N, std::size_t P>
Region PressedAmong(const Place<Region> (&places)[N], const Region (&pressable)[P], PixelPoint point) {
    for (Region region : pressable)
        if (RectOf(places, region).Contains(point)) return region;
    return Region::None;
}

using ManagerPlace = Place<MacroManagerRegion>;
using M = MacroManagerRegion;
constexpr ManagerPlace kManagerPlaces[] = {
    {M::Title, {0, 0, 414, 31}},
    {M::SelectHeading, {16, 60, 134, 78}},
    {M::KeyActionsHeading, {148, 60, 266, 78}},
    {M::RecordOptionHeading, {279, 60, 397, 78}},
    {M::MacroList, {21, 82, 130, 353}},
    {M::KeyList, {153, 82, 262, 353}},
    {M::Record, {295, 87, 384, 111}},
    {M::RecordDelaysLabel, {290, 136, 370, 166}},
    {M::RecordDelaysBox, {370, 144, 384, 158}},
    {M::UseRepeatCountBox, {296, 314, 310, 328}},
    {M::LoopTimesLabel, {310, 314, 390, 328}},
    {M::RepeatCountField, {298, 333, 379, 345}},
    {M::New, {17, 367, 75, 392}},
    {M::Delete, {77, 367, 135, 392}},
    {M::Ok, {298, 394, 352, 422}},
    {M::Cancel, {354, 394, 408, 422}},
    {M::Close, {427, 17, 478, 41}},
};
constexpr M kManagerPressable[] = {M::Ok,     M::Cancel, M::Close,           M::New,
                                   M::Delete, M::Record, M::RecordDelaysBox, M::UseRepeatCountBox};

using AssignmentPlace = Place<MacroAssignmentRegion>;
using A = MacroAssignmentRegion;
constexpr AssignmentPlace kAssignmentPlaces[] = {
    {A::Close, {352, 6, 370, 24}},         {A::Ok, {250, 250, 308, 275}},
    {A::Cancel, {314, 250, 372, 275}},     {A::Prompt, {12, 112, 181, 128}},
    {A::NameBox, {42, 128, 136, 144}},     {A::NameBoxClickArea, {42, 128, 151, 144}},
    {A::List, {42, 146, 151, 286}},        {A::Mode0, {220, 78, 236, 94}},
    {A::Mode1, {220, 128, 236, 144}},      {A::Mode2, {220, 178, 236, 194}},
    {A::ModeLabel0, {237, 70, 390, 102}},  {A::ModeLabel1, {237, 120, 390, 152}},
    {A::ModeLabel2, {237, 170, 390, 202}},
};
constexpr A kAssignmentPressable[] = {A::Close, A::Ok,    A::Cancel, A::NameBoxClickArea,
                                      A::Mode0, A::Mode1, A::Mode2};

std::wstring ButtonList(const std::vector<int>& buttons) {
    std::wstring list;
    for (int button : buttons) list += (list.empty() ? L"" : L", ") + std::to_wstring(button);
    return list;
}

std::wstring Filled(std::wstring text, std::wstring_view marker, std::wstring_view value) {
    const std::size_t at = text.find(marker);
    if (at != std::wstring::npos) text.replace(at, marker.size(), value);
    return text;
}

}  // namespace

PixelRect MacroManagerRect(MacroManagerRegion region) {
    return RectOf(kManagerPlaces, region);
}

MacroManagerRegion MacroManagerPressAt(PixelPoint point) {
    return PressedAmong(kManagerPlaces, kManagerPressable, point);
}

PixelRect MacroAssignmentRect(MacroAssignmentRegion region) {
    return RectOf(kAssignmentPlaces, region);
}

MacroAssignmentRegion MacroAssignmentPressAt(PixelPoint point) {
    return PressedAmong(kAssignmentPlaces, kAssignmentPressable, point);
}

MacroDeletionEffect FollowMacroDeletion(ProfileSettings& settings, std::size_t position) {
    MacroDeletionEffect effect;
    for (std::size_t i = 0; i < settings.actionType.size(); ++i) {
        if (settings.actionType[i] != static_cast<std::uint8_t>(ActionType::MacroKey)) continue;
        const std::size_t played = settings.macroNumber[i];
        const int button = static_cast<int>(i) + 1;
        if (played == position) {
            effect.playedDeleted.push_back(button);
        } else if (played > position) {
            --settings.macroNumber[i];
            effect.playedLater.push_back(button);
        }
    }
    return effect;
}

std::wstring MacroDeletionWarning(const MacroDeletionEffect& effect, std::wstring_view deletedName,
                                  Language language) {
    std::wstring text;
    if (!effect.playedDeleted.empty()) {
        const std::wstring line = InLanguage(
            language,
            {L"The deleted macro \"%name\" was assigned to button %buttons. Assign another function to it.",
             L"已删除的宏“%name”曾分配给按键 %buttons，请为其重新分配功能。",
             L"已刪除的巨集「%name」曾指派給按鍵 %buttons，請為其重新指派功能。"});
        text += Filled(Filled(line, L"%name", deletedName), L"%buttons", ButtonList(effect.playedDeleted));
    }
    if (!effect.playedLater.empty()) {
        const std::wstring line =
            InLanguage(language, {L"Button %buttons keeps its macro, whose number moved down by one; Save "
                                  L"sends the change to the mouse.",
                                  L"按键 %buttons 仍使用原来的宏（宏编号已前移一位），保存后写入鼠标。",
                                  L"按鍵 %buttons 仍使用原來的巨集（巨集編號已前移一位），儲存後寫入滑鼠。"});
        text += (text.empty() ? L"" : L"\n\n") + Filled(line, L"%buttons", ButtonList(effect.playedLater));
    }
    return text;
}

std::wstring MacroCutWarning(std::span<const MacroCut> cuts, Language language) {
    std::wstring text = InLanguage(
        language, {L"These macros do not fit into the mouse's macro memory and were shortened:",
                   L"以下宏超出鼠标的宏存储空间，已被截短：", L"以下巨集超出滑鼠的巨集儲存空間，已被截短："});
    const std::wstring line =
        InLanguage(language, {L"%name: %kept of %all events kept", L"%name：保留 %kept / %all 个事件",
                              L"%name：保留 %kept / %all 個事件"});
    for (const MacroCut& cut : cuts)
        text += L"\n" +
                Filled(Filled(Filled(line, L"%name", cut.name), L"%kept", std::to_wstring(cut.eventsKept)),
                       L"%all", std::to_wstring(cut.eventsInMacro));
    return text;
}

std::wstring MacroRenameRefused(Language language) {
    return InLanguage(
        language,
        {L"A macro name must be 1 to 31 characters long, must not contain \"]\" and must differ from "
         L"the names of the other macros.",
         L"宏名称须为1到31个字符，不能包含“]”，且不能与其他宏同名。",
         L"巨集名稱須為1到31個字元，不能包含「]」，且不能與其他巨集同名。"});
}

std::wstring MacroLibraryWriteFailed(int error, Language language) {
    return Filled(
        InLanguage(language,
                   {L"The macro file could not be written (error %error); the change was not saved.",
                    L"无法写入宏文件（错误 %error），更改未保存。",
                    L"無法寫入巨集檔案（錯誤 %error），變更未儲存。"}),
        L"%error", std::to_wstring(error));
}

std::wstring NoMacroToAssign(Language language) {
    return InLanguage(language, {L"There is no macro to assign yet: create one in the Macro Manager first.",
                                 L"还没有可分配的宏，请先在宏管理器中新建宏。",
                                 L"還沒有可指派的巨集，請先在巨集管理器中新建巨集。"});
}

}  // namespace ravix
