#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/editor/ButtonAssignment.h"
#include "core/editor/ButtonLabels.h"
#include "core/keys/UsKeyboardLayout.h"
#include "core/store/FactoryFiles.h"
#include "tests/fakes/ProfileFolder.h"

namespace ravix {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::SimplifiedChinese,
                                   Language::TraditionalChinese};

// Whatever a choice on the page labels a button with, the label derived from the stored choice
// is the same, in every language.
TEST(AssignmentLabel, EqualsTheLabelOfTheChoiceThatStoredIt) {
    const UsKeyboardLayout us;
    const std::vector<std::wstring> macros = {L"Reload", L"\u5B8F"};
    for (const Language language : kLanguages) {
        const TextCatalogue texts = TextCatalogueFor(language);
        const LabelContext context{texts, language, us, macros};
        ProfileSettings settings = FactorySettings(0);
        const auto expectSame = [&](const std::optional<std::wstring>& chosen, int button) {
            ASSERT_TRUE(chosen);
            EXPECT_EQ(AssignmentLabel(settings, button, context), *chosen) << int(language);
        };
        for (int position = 0; position < kMainListEntryCount; ++position) {
            if (const auto label = ChooseMainEntry(settings, 2, position, texts)) expectSame(label, 2);
        }
        for (const SubList list :
             {SubList::Wheel, SubList::Dpi, SubList::Multimedia, SubList::HotKey, SubList::Windows}) {
            const int entries = static_cast<int>(SubListEntries(list, texts, language).size());
            for (int position = 0; position < entries; ++position)
                expectSame(ChooseSubEntry(settings, 3, list, position, texts, language), 3);
        }
        expectSame(AssignSingleKey(settings, 4, 0x04, texts, us), 4);
        expectSame(AssignComboKey(settings, 5, L"Left Shift", 0x05, 0x06, texts, us), 5);
        expectSame(AssignComboKey(settings, 5, L"", 0x05, kNoKey, texts, us), 5);
        expectSame(AssignMacroKey(settings, 6, 1, 0, macros[1], texts), 6);
    }
}

TEST(AssignmentLabel, OnlyMissingLabelsAreDerived) {
    const UsKeyboardLayout us;
    const std::vector<std::wstring> macros;
    const TextCatalogue texts = TextCatalogueFor(Language::SimplifiedChinese);
    ProfileSettings settings = FactorySettings(0);
    settings.actionType[7] = static_cast<std::uint8_t>(ActionType::MacroKey);
    settings.macroNumber[7] = 3;  // no such macro in the library: the function's name alone
    std::array<std::wstring, 8> labels = {L"", L"mine", L"", L"", L"", L"", L"", L""};
    const auto derived =
        DeriveMissingLabels(labels, settings, {texts, Language::SimplifiedChinese, us, macros});
    EXPECT_THAT(derived, ::testing::ElementsAre(1, 3, 4, 5, 6, 7, 8));
    EXPECT_EQ(labels[0], texts.click);
    EXPECT_EQ(labels[1], L"mine");
    EXPECT_EQ(labels[2], texts.middleButton);
    EXPECT_EQ(labels[4], texts.scrollDown);
    EXPECT_EQ(labels[5], L"DPI Loop");
    EXPECT_EQ(labels[7], texts.macroKey + L"-");
}

using ButtonLabelFiles = ProfileFolder;

// Labels written in English; the language is now Traditional Chinese: the text file gets that
// section's labels from the stored functions, and the English ones stay.
TEST_F(ButtonLabelFiles, AnotherLanguagesSectionIsFilledFromTheStoredFunctions) {
    const UsKeyboardLayout us;
    const std::vector<std::wstring> macros;
    const TextCatalogue texts = TextCatalogueFor(Language::TraditionalChinese);
    const LabelContext context{texts, Language::TraditionalChinese, us, macros};
    ProfileFileState state;
    state.textPath = Path(L"str0.ini");
    state.firstRunFlag = 1;
    const ButtonLabels english = DefaultButtonLabels(Language::English);
    WriteLabels(m_ini, state.textPath, L"Setting-EN", english);
    ProfileSettings settings = FactorySettings(0);
    settings.actionType[6] = static_cast<std::uint8_t>(ActionType::Multimedia);
    settings.multimediaCode[6] = 0xE9;

    ButtonLabels labels = ReadProfileText(m_ini, state.textPath, L"Setting-CHT").labels;
    EXPECT_EQ(CompleteButtonLabels(Ports(), state, settings, L"Setting-CHT", context, labels).size(), 8u);
    EXPECT_EQ(labels[0], texts.click);
    EXPECT_EQ(labels[6], L"\u97F3\u91CF+");
    EXPECT_EQ(ReadProfileText(m_ini, state.textPath, L"Setting-CHT").labels, labels);
    EXPECT_EQ(ReadProfileText(m_ini, state.textPath, L"Setting-EN").labels, english);
    // Complete now: nothing more to derive or write.
    EXPECT_TRUE(CompleteButtonLabels(Ports(), state, settings, L"Setting-CHT", context, labels).empty());

    // A profile whose labels were never set is the first-run rule's.
    state.firstRunFlag = 0;
    ButtonLabels empty;
    EXPECT_TRUE(CompleteButtonLabels(Ports(), state, settings, L"Setting-CHS", context, empty).empty());
    EXPECT_TRUE(m_notifier.messages.empty());
}

}  // namespace
}  // namespace ravix
