#include "core/app/CaptionFonts.h"

namespace ravix {
namespace {

constexpr wchar_t kEnglishFace[] = L"MetroDF Velmar Edition";
constexpr wchar_t kHeiti[] = L"黑体";
constexpr wchar_t kSongti[] = L"宋体";
constexpr wchar_t kNewSongti[] = L"新宋体";

constexpr int kNormal = 400;
constexpr int kBold = 700;

FontChoice SimplifiedChinese(FontWindow window, OsVersion version) {
    if (window == FontWindow::ColourDialog) return {kNewSongti, 14, kNormal};
    if (window == FontWindow::ColourDialogButtons) return {kNewSongti, 13, 0};
    return {IsWindows8OrLater(version) ? kHeiti : kSongti, 13, kNormal};
}

FontChoice TraditionalChinese(FontWindow window) {
    if (window == FontWindow::ColourDialogButtons) return {kHeiti, 13, 0};
    return {kHeiti, 14, kNormal};
}

FontChoice English(FontWindow window) {
    switch (window) {
        case FontWindow::MainWindow:
            return {kEnglishFace, 10, 0};
        case FontWindow::Dialog:
            return {kEnglishFace, 10, kNormal};
        case FontWindow::MacroAssignment:
            return {kEnglishFace, 10, kBold};
        case FontWindow::ProfileManager:
            return {kEnglishFace, 12, kNormal};
        case FontWindow::ColourDialog:
            return {kEnglishFace, 14, kNormal};
        case FontWindow::ColourDialogButtons:
            return {kEnglishFace, 12, 0};
    }
    return {kEnglishFace, 10, 0};
}

}  // namespace

bool IsWindows8OrLater(OsVersion version) {
    return version.major > 6 || (version.major == 6 && version.minor >= 2);
}

FontChoice CaptionFont(FontWindow window, Language language, OsVersion version) {
    switch (language) {
        case Language::SimplifiedChinese:
            return SimplifiedChinese(window, version);
        case Language::TraditionalChinese:
            return TraditionalChinese(window);
        case Language::English:
            break;
    }
    return English(window);
}

FontChoice ProfileManagerHeadingFont() {
    return {L"Arial", 16, kBold};
}

FontChoice MacroListFont() {
    return {kEnglishFace, 10, kNormal};
}

FontChoice SkinnedFieldFont() {
    return {L"Arial", 14, kNormal, 1, 5, 0x30};
}

FontChoice ImageButtonFont() {
    return {kEnglishFace, 23, 0};
}

}  // namespace ravix
