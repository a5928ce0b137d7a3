#include <gtest/gtest.h>

#include <vector>

#include "core/app/DialogCaptions.h"
#include "core/app/TextCatalogue.h"
#include "core/store/ProfileFiles.h"

namespace ravix {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese};

std::vector<const std::wstring*> Entries(const TextCatalogue& c) {
    std::vector<const std::wstring*> entries = {
        &c.trayTip, &c.config, &c.save, &c.cancel, &c.reset, &c.front, &c.side, &c.buttonAssignmentTitle,
        &c.macroManagerTitle, &c.sensitivityTitle, &c.dpiTitle, &c.lightingTitle, &c.reportRateTitle,
        &c.cursorSpeedTitle, &c.doubleClickSpeedTitle, &c.scrollSpeedTitle, &c.angleSnapTitle, &c.click,
        &c.menu, &c.middleButton, &c.scrollUp, &c.scrollDown, &c.scrollSelect, &c.forward, &c.backward,
        &c.cpiCycle, &c.dpiLoop, &c.windows, &c.multimedia, &c.hotKey, &c.singleKey, &c.comboKey,
        &c.macroKey, &c.buttonOff, &c.doubleClick, &c.leftKeyRequired, &c.xAxis, &c.yAxis, &c.dpiSwitchUp,
        &c.dpiSwitchDown, &c.standard, &c.breathing, &c.spectrumCycle, &c.slow, &c.fast, &c.numberOfRows,
        &c.scrollOneScreen, &c.macroKeyNotice, &c.notDetectedNotice, &c.detectedNotice, &c.exit,
        &c.settingSection};
    for (const auto& name : c.buttonNames) entries.push_back(&name);
    for (const auto& notice : c.dpiStageNotices) entries.push_back(&notice);
    return entries;
}

TEST(TextCatalogue, EveryEntryIsFilledInEveryLanguage) {
    for (Language language : kLanguages) {
        const TextCatalogue texts = TextCatalogueFor(language);
        for (const std::wstring* entry : Entries(texts)) EXPECT_FALSE(entry->empty());
    }
}

TEST(TextCatalogue, EntriesThatTheLanguagesShareOrDoNotShare) {
    const TextCatalogue en = TextCatalogueFor(Language::English);
    const TextCatalogue chs = TextCatalogueFor(Language::SimplifiedChinese);
    const TextCatalogue cht = TextCatalogueFor(Language::TraditionalChinese);
    for (const TextCatalogue* texts : {&en, &chs, &cht}) EXPECT_EQ(texts->trayTip, L"Velmar Ravix");
    EXPECT_EQ(en.exit, L"Exit");
    EXPECT_EQ(chs.exit, L"退出");
    EXPECT_EQ(cht.exit, L"退出");
    EXPECT_EQ(chs.doubleClick, cht.doubleClick);
    EXPECT_EQ(chs.reset, L"恢复");
    EXPECT_EQ(cht.reset, L"恢復");
    EXPECT_EQ(en.settingSection, L"Setting-EN");
    EXPECT_EQ(chs.settingSection, L"Setting-CHS");
    EXPECT_EQ(cht.settingSection, L"Setting-CHT");
}

TEST(TextCatalogue, StageNoticesEndWithOneSpaceForTheDpiValue) {
    for (Language language : kLanguages) {
        for (const std::wstring& notice : TextCatalogueFor(language).dpiStageNotices) {
            ASSERT_GE(notice.size(), 2u);
            EXPECT_EQ(notice.back(), L' ');
            EXPECT_NE(notice[notice.size() - 2], L' ');
        }
    }
    EXPECT_EQ(TextCatalogueFor(Language::English).dpiStageNotices[2], L"Switch DPI into the third stage ");
    EXPECT_EQ(TextCatalogueFor(Language::TraditionalChinese).dpiStageNotices[5], L"DPI切換到第六段 ");
}

TEST(TextCatalogue, DefaultButtonLabelsAreTheFactoryFunctionsInButtonOrder) {
    for (Language language : kLanguages) {
        const TextCatalogue t = TextCatalogueFor(language);
        EXPECT_EQ(DefaultButtonLabels(language), (ButtonLabels{t.click, t.menu, t.middleButton, t.scrollUp,
                                                               t.scrollDown, t.dpiLoop, t.forward, t.backward}));
    }
    EXPECT_EQ(DefaultButtonLabels(Language::SimplifiedChinese)[6], L"前进方向键");
}

TEST(DialogCaptions, EachDialogFollowsTheLanguage) {
    struct Case {
        Language language;
        const wchar_t *profileTitle, *macroTitle, *loopMode2, *singlePrompt, *comboOk, *colourApply, *helpOk;
    } cases[] = {
        {Language::English, L"Configuration", L"Macro Manager", L"Repeat until the key is released",
         L"Please enter a key", L"OK", L"APPLY", L"Ok"},
        {Language::SimplifiedChinese, L"配置", L"宏管理器", L"重复直到该按键松开结束", L"请输入一个按键",
         L"确定", L"应用", L"确定"},
        {Language::TraditionalChinese, L"配置", L"巨集管理器", L"重複直到該按鍵鬆開結束", L"請輸入一個按鍵",
         L"確定", L"應用", L"確定"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProfileManagerCaptionsFor(c.language).title, c.profileTitle);
        EXPECT_EQ(MacroManagerCaptionsFor(c.language).title, c.macroTitle);
        EXPECT_EQ(MacroAssignmentCaptionsFor(c.language).loopModes[2], c.loopMode2);
        EXPECT_EQ(SingleKeyCaptionsFor(c.language).prompt, c.singlePrompt);
        EXPECT_EQ(ComboKeyCaptionsFor(c.language).ok, c.comboOk);
        EXPECT_EQ(ColourDialogCaptionsFor(c.language).apply, c.colourApply);
        EXPECT_EQ(HelpCaptionsFor(c.language, L"1.0").ok, c.helpOk);
        EXPECT_EQ(HelpCaptionsFor(c.language, L"2.3").versionLine, L"Version：2.3");
    }
}

}  // namespace
}  // namespace ravix
