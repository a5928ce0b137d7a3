#include <gtest/gtest.h>

#include "core/editor/ButtonAssignment.h"
#include "core/editor/ButtonBoxes.h"
#include "core/keys/UsKeyboardLayout.h"
#include "core/store/DeviceImageBuild.h"

namespace ravix {
namespace {

const TextCatalogue& English() {
    static const TextCatalogue texts = TextCatalogueFor(Language::English);
    return texts;
}

// The factory roles: button 1 is the only left click.
ProfileSettings FactoryButtons() {
    ProfileSettings settings{};
    settings.actionType = {0, 1, 2, 2, 2, 6, 3, 4};
    return settings;
}

TEST(ButtonAssignment, BoxesAndListsStepTwentyPixelsPerButton) {
    EXPECT_EQ(ButtonBoxRect(1), (ClientRect{120, 154, 250, 170}));
    EXPECT_EQ(ButtonBoxRect(8), (ClientRect{120, 294, 250, 310}));
    EXPECT_EQ(MainListRect(1), (ClientRect{262, 154, 365, 384}));
    EXPECT_EQ(MainListRect(8), (ClientRect{262, 294, 365, 524}));
    EXPECT_EQ(MainListControlId(1), 41);
    EXPECT_EQ(MainListControlId(8), 48);
}

TEST(ButtonAssignment, TheLastLeftClickCannotBeTakenAway) {
    ProfileSettings settings = FactoryButtons();
    EXPECT_TRUE(LeftClickRefused(settings, 1));
    for (int k = 2; k <= 8; ++k) EXPECT_FALSE(LeftClickRefused(settings, k)) << k;
    ASSERT_TRUE(ChooseMainEntry(settings, 2, 0, English()));
    EXPECT_FALSE(LeftClickRefused(settings, 1));
    EXPECT_FALSE(LeftClickRefused(settings, 2));
    // A profile without any left click refuses nothing, so one can be given again.
    settings.actionType.fill(13);
    for (int k = 1; k <= 8; ++k) EXPECT_FALSE(LeftClickRefused(settings, k)) << k;
    EXPECT_FALSE(LeftClickRefused(settings, 0));
    EXPECT_FALSE(LeftClickRefused(settings, 9));
}

TEST(ButtonAssignment, BoxPressOpensClosesOrRefuses) {
    ProfileSettings onlyButton1Clicks = FactoryButtons();
    ProfileSettings twoClicks = FactoryButtons();
    twoClicks.actionType[1] = 0;
    struct Case {
        const char* name;
        bool expanded;
        std::optional<int> open;
        const ProfileSettings& settings;
        int button;
        BoxPress expected;
    };
    const Case cases[] = {
        {"collapsed section", false, std::nullopt, twoClicks, 2, BoxPress::Ignored},
        {"no such button", true, std::nullopt, twoClicks, 9, BoxPress::Ignored},
        {"a closed list opens", true, std::nullopt, onlyButton1Clicks, 2, BoxPress::OpenList},
        {"another list is open", true, 3, onlyButton1Clicks, 2, BoxPress::OpenList},
        {"the open box again closes it", true, 2, onlyButton1Clicks, 2, BoxPress::CloseList},
        {"the only left click refuses", true, std::nullopt, onlyButton1Clicks, 1, BoxPress::RefuseLeftClick},
        {"refuses with another list open", true, 4, onlyButton1Clicks, 1, BoxPress::RefuseLeftClick},
        {"a second left click lets it open", true, std::nullopt, twoClicks, 1, BoxPress::OpenList},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PressButtonBox(c.expanded, c.open, c.settings, c.button), c.expected) << c.name;
}

TEST(ButtonAssignment, MainEntriesAssignOnlyTheDirectFunctions) {
    struct Case {
        int position;
        std::optional<std::wstring> label;
    };
    const Case cases[] = {
        {0, L"Click"},       {1, L"Menu"},         {2, std::nullopt},  {3, L"IE Forward"},
        {4, L"IE Backward"}, {5, L"Double Click"}, {6, std::nullopt},  {7, std::nullopt},
        {8, std::nullopt},   {9, std::nullopt},    {10, std::nullopt}, {11, std::nullopt},
        {12, std::nullopt},  {13, L"Button Off"},  {-1, std::nullopt}, {14, std::nullopt},
    };
    for (const Case& c : cases) {
        ProfileSettings settings = FactoryButtons();
        const ProfileSettings before = settings;
        EXPECT_EQ(ChooseMainEntry(settings, 5, c.position, English()), c.label) << c.position;
        ProfileSettings expected = before;
        if (c.label) expected.actionType[4] = static_cast<std::uint8_t>(c.position);
        EXPECT_EQ(settings, expected) << c.position;
    }
}

TEST(ButtonAssignment, EveryEntryOfTheMainListHasItsEffect) {
    const std::pair<int, MainEntryEffect> cases[] = {
        {0, MainEntryEffect::Assigns},
        {2, MainEntryEffect::OpensSubList},
        {6, MainEntryEffect::OpensSubList},
        {9, MainEntryEffect::OpensSubList},
        {10, MainEntryEffect::OpensSingleKeyDialog},
        {11, MainEntryEffect::OpensComboKeyDialog},
        {12, MainEntryEffect::OpensMacroDialog},
        {13, MainEntryEffect::Assigns},
    };
    for (const auto& [position, effect] : cases) EXPECT_EQ(MainEntryEffectOf(position), effect) << position;
    EXPECT_EQ(MainListEntries(English())[7], L"Multimedia");
    EXPECT_EQ(MainListEntries(TextCatalogueFor(Language::TraditionalChinese))[12], L"巨集");
}

TEST(ButtonAssignment, SecondLevelListsOpenAtTheirPlacements) {
    const ClientRect list = MainListRect(2);  // (262, 174, 365, 404)
    const ClientRect item{0, 96, 99, 112};
    struct Case {
        int position;
        int controlId;
        ClientRect rect;
    };
    const Case cases[] = {
        {2, 39, {363, 270, 471, 330}},  // beside the entry
        {6, 38, {363, 270, 421, 330}},
        {7, 35, {365, 156, 475, 286}},  // right of the list, ending level with the entry's bottom
        {8, 36, {365, 124, 445, 286}},
        {9, 37, {365, 172, 475, 286}},
    };
    for (const Case& c : cases) {
        const auto sub = SubListOpenedBy(c.position);
        ASSERT_TRUE(sub) << c.position;
        EXPECT_EQ(SubListControlId(*sub), c.controlId);
        EXPECT_EQ(SubListRect(*sub, list, item), c.rect) << c.position;
    }
    for (int position : {0, 1, 3, 4, 5, 10, 11, 12, 13}) EXPECT_FALSE(SubListOpenedBy(position)) << position;
}

TEST(ButtonAssignment, SecondLevelChoicesStoreWhatTheMouseIsSent) {
    struct Case {
        SubList list;
        int position;
        const wchar_t* label;
        ButtonEntry sent;  // button 7 sits in slot 4 of the button map
    };
    const Case cases[] = {
        {SubList::Multimedia, 6, L"Volume Up", {0x03, 0x00, 0xE9, 0x00}},
        {SubList::Multimedia, 0, L"Media player", {0x03, 0x00, 0x83, 0x01}},
    };
    for (const Case& c : cases) {
        ProfileSettings settings = FactoryButtons();
        EXPECT_EQ(ChooseSubEntry(settings, 7, c.list, c.position, English(), Language::English), c.label);
        EXPECT_EQ(settings.actionType[6], 7);
        EXPECT_EQ(EncodeButtonEntry(settings, 6), c.sent) << c.label;
    }
}

TEST(ButtonAssignment, SecondLevelChoicesStoreTheirParameter) {
    struct Stored {
        SubList list;
        int position;
        std::uint8_t action;
        std::uint8_t parameter;
        std::uint8_t (*read)(const ProfileSettings&);
        const wchar_t* label;
    };
    const Stored cases[] = {
        {SubList::Wheel, 0, 2, 1, [](const ProfileSettings& s) { return s.wheelChoice[2]; }, L"MID BUTTON"},
        {SubList::Wheel, 2, 2, 3, [](const ProfileSettings& s) { return s.wheelChoice[2]; }, L"SCROLL DOWN"},
        {SubList::Dpi, 2, 6, 3, [](const ProfileSettings& s) { return s.dpiChoice[2]; }, L"DPI Loop"},
        {SubList::Multimedia, 7, 7, 0xEA, [](const ProfileSettings& s) { return s.multimediaCode[2]; },
         L"Volume Down"},
        {SubList::HotKey, 5, 8, 0x13, [](const ProfileSettings& s) { return s.hotKey[2]; }, L"Print"},
        {SubList::HotKey, 9, 8, 0x04, [](const ProfileSettings& s) { return s.hotKey[2]; }, L"Select All"},
        {SubList::Windows, 0, 9, 0, [](const ProfileSettings& s) { return s.windowsChoice[2]; },
         L"My computer"},
        {SubList::Windows, 6, 9, 6, [](const ProfileSettings& s) { return s.windowsChoice[2]; }, L"Run"},
    };
    for (const Stored& c : cases) {
        ProfileSettings settings = FactoryButtons();
        settings.windowsChoice[2] = 0xFF;
        EXPECT_EQ(ChooseSubEntry(settings, 3, c.list, c.position, English(), Language::English), c.label);
        EXPECT_EQ(settings.actionType[2], c.action) << c.label;
        EXPECT_EQ(c.read(settings), c.parameter) << c.label;
    }
}

TEST(ButtonAssignment, SecondLevelPositionsOutsideTheListChangeNothing) {
    const std::pair<SubList, int> cases[] = {
        {SubList::Wheel, 3},   {SubList::Dpi, -1},    {SubList::Multimedia, 8},
        {SubList::HotKey, 10}, {SubList::Windows, 7},
    };
    for (const auto& [list, position] : cases) {
        ProfileSettings settings = FactoryButtons();
        EXPECT_EQ(ChooseSubEntry(settings, 1, list, position, English(), Language::English), std::nullopt);
        EXPECT_EQ(settings, FactoryButtons());
    }
    ProfileSettings settings = FactoryButtons();
    EXPECT_EQ(ChooseSubEntry(settings, 9, SubList::Wheel, 0, English(), Language::English), std::nullopt);
    EXPECT_EQ(settings, FactoryButtons());
}

TEST(ButtonAssignment, SecondLevelListsFollowTheLanguage) {
    const TextCatalogue simplified = TextCatalogueFor(Language::SimplifiedChinese);
    ProfileSettings settings = FactoryButtons();
    EXPECT_EQ(SubListEntries(SubList::HotKey, simplified, Language::SimplifiedChinese)[5], L"打印");
    EXPECT_EQ(ChooseSubEntry(settings, 4, SubList::HotKey, 5, simplified, Language::SimplifiedChinese),
              L"打印");
    EXPECT_EQ(settings.hotKey[3], 0x13);  // still P
    const TextCatalogue traditional = TextCatalogueFor(Language::TraditionalChinese);
    EXPECT_EQ(SubListEntries(SubList::Windows, traditional, Language::TraditionalChinese)[0], L"我的電腦");
    EXPECT_EQ(SubListEntries(SubList::Wheel, traditional, Language::TraditionalChinese)[1], L"上滾輪");
    EXPECT_EQ(SubListEntries(SubList::Dpi, traditional, Language::TraditionalChinese)[2], L"DPI Loop");
    EXPECT_EQ(SubListEntries(SubList::Multimedia, English(), Language::English).size(), 8u);
}

TEST(ButtonAssignment, DialogResultsGiveDashedLabels) {
    const UsKeyboardLayout us;
    constexpr KeyCode a = 0x04, b = 0x05;
    struct Case {
        const wchar_t* modifier;
        KeyCode first, second;
        std::uint8_t mask;
        const wchar_t* label;
    };
    const Case cases[] = {
        {L"Left Ctrl", a, kNoKey, 0x01, L"Combo Key-Left Ctrl+A"},
        {L"", a, b, 0x00, L"Combo Key-A+B"},
        {L"Right Win", a, b, 0x80, L"Combo Key-Right Win+A+B"},
        {L"Nonsense", kNoKey, b, 0x00, L"Combo Key-B"},
    };
    for (const Case& c : cases) {
        ProfileSettings settings = FactoryButtons();
        EXPECT_EQ(AssignComboKey(settings, 8, c.modifier, c.first, c.second, English(), us), c.label);
        EXPECT_EQ(settings.actionType[7], 11);
        EXPECT_EQ(settings.comboModifiers[7], c.mask);
        EXPECT_EQ(settings.comboFirstKey[7], c.first);
        EXPECT_EQ(settings.comboSecondKey[7], c.second);
    }

    ProfileSettings settings = FactoryButtons();
    EXPECT_EQ(AssignSingleKey(settings, 2, a, English(), us), L"Single Key-A");
    EXPECT_EQ(settings.actionType[1], 10);
    EXPECT_EQ(settings.singleKey[1], a);
    EXPECT_EQ(AssignMacroKey(settings, 3, 4, 2, L"Reload", English()), L"Macro Key-Reload");
    EXPECT_EQ(settings.actionType[2], 12);
    EXPECT_EQ(settings.macroNumber[2], 4);
    EXPECT_EQ(settings.macroLoopMode[2], 2);
    EXPECT_EQ(AssignMacroKey(settings, 0, 4, 2, L"Reload", English()), std::nullopt);
}

TEST(ButtonAssignment, DefaultLabelsNameTheButtonsRoles) {
    const std::array<std::wstring, 8> expected = {L"Click",       L"Menu",     L"MID BUTTON", L"SCROLL UP",
                                                  L"SCROLL DOWN", L"DPI loop", L"IE Forward", L"IE Backward"};
    EXPECT_EQ(DefaultButtonLabels(English()), expected);
    EXPECT_EQ(DefaultButtonLabels(TextCatalogueFor(Language::SimplifiedChinese))[0], L"左键");
}

}  // namespace
}  // namespace ravix
