#include <gtest/gtest.h>

#include "core/app/CaptionFonts.h"

namespace ravix {
namespace {

constexpr OsVersion kWindows7{6, 1};
constexpr OsVersion kWindows8{6, 2};

TEST(CaptionFonts, ByWindowLanguageAndSystem) {
    using W = FontWindow;
    using L = Language;
    struct Case {
        W window;
        L language;
        OsVersion version;
        FontChoice font;
    } cases[] = {
        {W::MainWindow, L::SimplifiedChinese, kWindows7, {L"宋体", 13, 400}},
        {W::MainWindow, L::SimplifiedChinese, kWindows8, {L"黑体", 13, 400}},
        {W::MainWindow, L::TraditionalChinese, kWindows7, {L"黑体", 14, 400}},
        {W::MainWindow, L::TraditionalChinese, kWindows8, {L"黑体", 14, 400}},
        {W::MainWindow, L::English, kWindows8, {L"MetroDF Velmar Edition", 10, 0}},
        {W::Dialog, L::English, kWindows7, {L"MetroDF Velmar Edition", 10, 400}},
        {W::Dialog, L::SimplifiedChinese, kWindows8, {L"黑体", 13, 400}},
        {W::MacroAssignment, L::English, kWindows7, {L"MetroDF Velmar Edition", 10, 700}},
        {W::MacroAssignment, L::SimplifiedChinese, kWindows7, {L"宋体", 13, 400}},
        {W::ProfileManager, L::English, kWindows7, {L"MetroDF Velmar Edition", 12, 400}},
        {W::ProfileManager, L::TraditionalChinese, kWindows7, {L"黑体", 14, 400}},
        {W::ColourDialog, L::SimplifiedChinese, kWindows8, {L"新宋体", 14, 400}},
        {W::ColourDialog, L::TraditionalChinese, kWindows8, {L"黑体", 14, 400}},
        {W::ColourDialog, L::English, kWindows8, {L"MetroDF Velmar Edition", 14, 400}},
        {W::ColourDialogButtons, L::SimplifiedChinese, kWindows8, {L"新宋体", 13, 0}},
        {W::ColourDialogButtons, L::TraditionalChinese, kWindows7, {L"黑体", 13, 0}},
        {W::ColourDialogButtons, L::English, kWindows7, {L"MetroDF Velmar Edition", 12, 0}},
    };
    for (const Case& c : cases) {
        const FontChoice font = CaptionFont(c.window, c.language, c.version);
        EXPECT_EQ(font, c.font) << static_cast<int>(c.window) << " " << static_cast<int>(c.language);
        EXPECT_EQ(font.charSet, 0);
        EXPECT_EQ(font.pitchAndFamily, 0x20);
    }
}

TEST(CaptionFonts, TheNewerChineseFaceFromWindows8On) {
    struct Case {
        OsVersion version;
        bool newer;
    } cases[] = {{{5, 1}, false}, {{6, 0}, false}, {{6, 1}, false}, {{6, 2}, true}, {{6, 3}, true}, {{10, 0}, true}};
    for (const Case& c : cases) EXPECT_EQ(IsWindows8OrLater(c.version), c.newer) << c.version.major << "." << c.version.minor;
}

TEST(CaptionFonts, FontsThatDoNotDependOnTheLanguage) {
    EXPECT_EQ(SkinnedFieldFont(), (FontChoice{L"Arial", 14, 400, 1, 5, 0x30}));
    EXPECT_EQ(ProfileManagerHeadingFont(), (FontChoice{L"Arial", 16, 700}));
    EXPECT_EQ(ImageButtonFont().height, 23);
}

}  // namespace
}  // namespace ravix
