#include "core/editor/ButtonAssignment.h"

#include <algorithm>

#include "core/keys/KeyNames.h"
#include "core/keys/KeyTranslation.h"
#include "core/store/SettingsRanges.h"

namespace ravix {

namespace {

struct SubListGeometry {
    int controlId;
    int width, height;
    bool besideItem;  // beside the hovered entry; otherwise right of the list, ending at the entry
};

SubListGeometry GeometryOf(SubList list) {
    switch (list) {
        case SubList::Wheel:
            return {39, 108, 60, true};
        case SubList::Dpi:
            return {38, 58, 60, true};
        case SubList::Multimedia:
            return {35, 110, 130, false};
        case SubList::HotKey:
            return {36, 80, 162, false};
        case SubList::Windows:
            return {37, 110, 114, false};
    }
    return {};
}

using Translations = std::array<std::wstring_view, 3>;  // English, Simplified, Traditional Chinese

constexpr Translations kMultimediaTexts[] = {
    {L"Media player", L"多媒体播放器", L"多媒體播放器"},
    {L"Next Track", L"下一首", L"下一首"},
    {L"Pre Track", L"上一首", L"上一首"},
    {L"Stop", L"停止", L"停止"},
    {L"Play/Pause", L"播放/暂停", L"播放/暫停"},
    {L"Mute", L"静音", L"靜音"},
    {L"Volume Up", L"音量+", L"音量+"},
    {L"Volume Down", L"音量-", L"音量-"},
};
constexpr Translations kHotKeyTexts[] = {
    {L"New", L"新建", L"新建"},        {L"Cut", L"剪切", L"剪切"},  {L"Copy", L"复制", L"複製"},
    {L"Paste", L"粘贴", L"粘貼"},      {L"Save", L"保存", L"保存"}, {L"Print", L"打印", L"列印"},
    {L"Find", L"查找", L"查找"},       {L"Redo", L"重复", L"重複"}, {L"Undo", L"撤销", L"撤銷"},
    {L"Select All", L"全选", L"全選"},
};
constexpr Translations kWindowsTexts[] = {
    {L"My computer", L"我的电脑", L"我的電腦"},
    {L"Browser-Home", L"浏览器-主页", L"瀏覽器-主頁"},
    {L"Search", L"搜索", L"搜索"},
    {L"Maximum", L"最大化", L"最大化"},
    {L"Minimum", L"最小化", L"最小化"},
    {L"Show desktop", L"显示桌面", L"顯示桌面"},
    {L"Run", L"运行", L"運行"},
};

template <std::size_t N>
std::vector<std::wstring> InLanguage(const Translations (&texts)[N], Language language) {
    std::vector<std::wstring> entries;
    for (const Translations& t : texts) entries.emplace_back(t[static_cast<std::size_t>(language)]);
    return entries;
}

std::optional<std::size_t> IndexOfButton(int button) {
    if (button < 1 || button > static_cast<int>(ProfileSettings::kButtons)) return std::nullopt;
    return static_cast<std::size_t>(button - 1);
}

void StoreAction(ProfileSettings& settings, std::size_t i, ActionType action) {
    settings.actionType[i] = static_cast<std::uint8_t>(action);
}

// What a second-level choice stores besides the function.
void StoreSubParameter(ProfileSettings& settings, std::size_t i, SubList list, std::size_t position) {
    const auto p = static_cast<std::uint8_t>(position);
    switch (list) {
        case SubList::Wheel:
            settings.wheelChoice[i] = p + 1;
            return StoreAction(settings, i, ActionType::ScrollSelect);
        case SubList::Dpi:
            settings.dpiChoice[i] = p + 1;
            return StoreAction(settings, i, ActionType::CpiCycle);
        case SubList::Multimedia:
            settings.multimediaCode[i] = kMultimediaCodes[position];
            return StoreAction(settings, i, ActionType::Multimedia);
        case SubList::HotKey:
            settings.hotKey[i] = kHotKeys[position];
            return StoreAction(settings, i, ActionType::HotKey);
        case SubList::Windows:
            settings.windowsChoice[i] = p;
            return StoreAction(settings, i, ActionType::Windows);
    }
}

// "Combo Key-Left Ctrl+A": the catalogue's name of the function, a dash, then the details.
std::wstring DashedLabel(const std::wstring& function, std::wstring_view detail) {
    return function + L"-" + std::wstring(detail);
}

std::wstring SingleKeyLabel(const TextCatalogue& texts, KeyCode key, const KeyboardLayout& layout) {
    return DashedLabel(texts.singleKey, CodeToKeyName(key, layout));
}

// "Combo Key-" and the modifier's name and the keys' names, those present, joined with "+".
std::wstring ComboLabel(const TextCatalogue& texts, std::wstring_view modifierName, KeyCode first,
                        KeyCode second, const KeyboardLayout& layout) {
    std::wstring detail;
    auto join = [&](std::wstring_view part) {
        if (part.empty()) return;
        if (!detail.empty()) detail += L"+";
        detail += part;
    };
    join(modifierName);
    if (first != kNoKey) join(CodeToKeyName(first, layout));
    if (second != kNoKey) join(CodeToKeyName(second, layout));
    return DashedLabel(texts.comboKey, detail);
}

// The entry of a second-level list at `position`; the function's own name when there is none.
std::wstring SubEntryOr(SubList list, std::size_t position, const std::wstring& function,
                        const TextCatalogue& texts, Language language) {
    const std::vector<std::wstring> entries = SubListEntries(list, texts, language);
    return position < entries.size() ? entries[position] : function;
}

template <std::size_t N>
std::size_t PositionOf(const std::array<std::uint8_t, N>& values, std::uint8_t value) {
    return static_cast<std::size_t>(std::find(values.begin(), values.end(), value) - values.begin());
}

}  // namespace

std::array<std::wstring, kMainListEntryCount> MainListEntries(const TextCatalogue& t) {
    return {t.click,      t.menu,   t.scrollSelect, t.forward,   t.backward, t.doubleClick, t.cpiCycle,
            t.multimedia, t.hotKey, t.windows,      t.singleKey, t.comboKey, t.macroKey,    t.buttonOff};
}

std::optional<SubList> SubListOpenedBy(int position) {
    switch (static_cast<ActionType>(position)) {
        case ActionType::ScrollSelect:
            return SubList::Wheel;
        case ActionType::CpiCycle:
            return SubList::Dpi;
        case ActionType::Multimedia:
            return SubList::Multimedia;
        case ActionType::HotKey:
            return SubList::HotKey;
        case ActionType::Windows:
            return SubList::Windows;
        default:
            return std::nullopt;
    }
}

int SubListControlId(SubList list) {
    return GeometryOf(list).controlId;
}

ClientRect SubListRect(SubList list, ClientRect mainList, ClientRect item) {
    const SubListGeometry g = GeometryOf(list);
    if (g.besideItem) {
        const int left = mainList.left + item.right + 2, top = mainList.top + item.top;
        return {left, top, left + g.width, top + g.height};
    }
    const int bottom = mainList.top + item.bottom;
    return {mainList.right, bottom - g.height, mainList.right + g.width, bottom};
}

std::vector<std::wstring> SubListEntries(SubList list, const TextCatalogue& texts, Language language) {
    switch (list) {
        case SubList::Wheel:
            return {texts.middleButton, texts.scrollUp, texts.scrollDown};
        case SubList::Dpi:
            return {L"DPI +", L"DPI -", L"DPI Loop"};
        case SubList::Multimedia:
            return InLanguage(kMultimediaTexts, language);
        case SubList::HotKey:
            return InLanguage(kHotKeyTexts, language);
        case SubList::Windows:
            return InLanguage(kWindowsTexts, language);
    }
    return {};
}

bool LeftClickRefused(const ProfileSettings& settings, int button) {
    const auto index = IndexOfButton(button);
    if (!index) return false;
    const auto click = static_cast<std::uint8_t>(ActionType::Click);
    if (settings.actionType[*index] != click) return false;
    for (std::size_t i = 0; i < ProfileSettings::kButtons; ++i)
        if (i != *index && settings.actionType[i] == click) return false;
    return true;
}

BoxPress PressButtonBox(bool sectionExpanded, std::optional<int> openList, const ProfileSettings& settings,
                        int button) {
    if (!sectionExpanded || !IndexOfButton(button)) return BoxPress::Ignored;
    if (openList == button) return BoxPress::CloseList;
    return LeftClickRefused(settings, button) ? BoxPress::RefuseLeftClick : BoxPress::OpenList;
}

MainEntryEffect MainEntryEffectOf(int position) {
    if (SubListOpenedBy(position)) return MainEntryEffect::OpensSubList;
    switch (static_cast<ActionType>(position)) {
        case ActionType::SingleKey:
            return MainEntryEffect::OpensSingleKeyDialog;
        case ActionType::ComboKey:
            return MainEntryEffect::OpensComboKeyDialog;
        case ActionType::MacroKey:
            return MainEntryEffect::OpensMacroDialog;
        default:
            return MainEntryEffect::Assigns;
    }
}

std::optional<std::wstring> ChooseMainEntry(ProfileSettings& settings, int button, int position,
                                            const TextCatalogue& texts) {
    const auto index = IndexOfButton(button);
    if (!index || position < 0 || position >= kMainListEntryCount) return std::nullopt;
    if (MainEntryEffectOf(position) != MainEntryEffect::Assigns) return std::nullopt;
    StoreAction(settings, *index, static_cast<ActionType>(position));
    return MainListEntries(texts)[static_cast<std::size_t>(position)];
}

std::optional<std::wstring> ChooseSubEntry(ProfileSettings& settings, int button, SubList list, int position,
                                           const TextCatalogue& texts, Language language) {
    const auto index = IndexOfButton(button);
    std::vector<std::wstring> entries = SubListEntries(list, texts, language);
    if (!index || position < 0 || position >= static_cast<int>(entries.size())) return std::nullopt;
    StoreSubParameter(settings, *index, list, static_cast<std::size_t>(position));
    return std::move(entries[static_cast<std::size_t>(position)]);
}

std::optional<std::wstring> AssignSingleKey(ProfileSettings& settings, int button, KeyCode key,
                                            const TextCatalogue& texts, const KeyboardLayout& layout) {
    const auto index = IndexOfButton(button);
    if (!index) return std::nullopt;
    settings.singleKey[*index] = key;
    StoreAction(settings, *index, ActionType::SingleKey);
    return SingleKeyLabel(texts, key, layout);
}

std::optional<std::wstring> AssignComboKey(ProfileSettings& settings, int button,
                                           std::wstring_view modifierName, KeyCode first, KeyCode second,
                                           const TextCatalogue& texts, const KeyboardLayout& layout) {
    const auto index = IndexOfButton(button);
    if (!index) return std::nullopt;
    const ModifierMask mask = ModifierNameToMask(modifierName);
    settings.comboModifiers[*index] = mask;
    settings.comboFirstKey[*index] = first;
    settings.comboSecondKey[*index] = second;
    StoreAction(settings, *index, ActionType::ComboKey);
    return ComboLabel(texts, mask != 0 ? modifierName : std::wstring_view{}, first, second, layout);
}

std::optional<std::wstring> AssignMacroKey(ProfileSettings& settings, int button, std::uint8_t macroPosition,
                                           std::uint8_t loopMode, std::wstring_view macroName,
                                           const TextCatalogue& texts) {
    const auto index = IndexOfButton(button);
    if (!index) return std::nullopt;
    settings.macroNumber[*index] = macroPosition;
    settings.macroLoopMode[*index] = loopMode;
    StoreAction(settings, *index, ActionType::MacroKey);
    return DashedLabel(texts.macroKey, macroName);
}

std::wstring AssignmentLabel(const ProfileSettings& s, int button, const LabelContext& context) {
    const auto index = IndexOfButton(button);
    if (!index || s.actionType[*index] >= kMainListEntryCount) return {};
    const std::size_t i = *index;
    const TextCatalogue& texts = context.texts;
    const std::wstring function = MainListEntries(texts)[s.actionType[i]];
    const auto sub = [&](SubList list, std::size_t position) {
        return SubEntryOr(list, position, function, texts, context.language);
    };
    switch (static_cast<ActionType>(s.actionType[i])) {
        case ActionType::ScrollSelect:
            return sub(SubList::Wheel, s.wheelChoice[i] - 1u);
        case ActionType::CpiCycle:
            return sub(SubList::Dpi, s.dpiChoice[i] - 1u);
        case ActionType::Multimedia:
            return sub(SubList::Multimedia, PositionOf(kMultimediaCodes, s.multimediaCode[i]));
        case ActionType::HotKey:
            return sub(SubList::HotKey, PositionOf(kHotKeys, s.hotKey[i]));
        case ActionType::Windows:
            return sub(SubList::Windows, s.windowsChoice[i]);
        case ActionType::SingleKey:
            return SingleKeyLabel(texts, s.singleKey[i], context.layout);
        case ActionType::ComboKey:
            return ComboLabel(texts, ModifierMaskToName(s.comboModifiers[i]), s.comboFirstKey[i],
                              s.comboSecondKey[i], context.layout);
        case ActionType::MacroKey: {
            const std::size_t macro = s.macroNumber[i];
            return DashedLabel(texts.macroKey, macro < context.macroNames.size() ? context.macroNames[macro]
                                                                                 : std::wstring());
        }
        default:
            return function;
    }
}

std::vector<int> DeriveMissingLabels(std::span<std::wstring, 8> labels, const ProfileSettings& settings,
                                     const LabelContext& context) {
    std::vector<int> derived;
    for (int button = 1; button <= static_cast<int>(labels.size()); ++button) {
        std::wstring& label = labels[static_cast<std::size_t>(button - 1)];
        if (!label.empty()) continue;
        label = AssignmentLabel(settings, button, context);
        derived.push_back(button);
    }
    return derived;
}

std::array<std::wstring, 8> DefaultButtonLabels(const TextCatalogue& t) {
    return {t.click, t.menu, t.middleButton, t.scrollUp, t.scrollDown, t.dpiLoop, t.forward, t.backward};
}

}  // namespace ravix
