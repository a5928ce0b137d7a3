#include "core/editor/ScrollSpeed.h"

#include <algorithm>

#include "core/platform/DecimalText.h"

namespace ravix {
namespace {

constexpr int kChoiceSize = 12;
constexpr int kCaptionGap = 5;

int ChoiceTop(ScrollChoice choice) {
    return choice == ScrollChoice::Lines ? 15 : 50;
}

int ClampedLines(int lines) {
    return std::clamp(lines, kFewestScrollLines, kMostScrollLines);
}

}  // namespace

ClientRect ScrollChoiceRect(ClientPoint body, ScrollChoice choice) {
    const int top = ChoiceTop(choice);
    return RectAt(body, 10, top, 10 + kChoiceSize, top + kChoiceSize);
}

ClientRect ScrollChoiceCaptionRect(ClientPoint body, ScrollChoice choice) {
    const ClientRect mark = ScrollChoiceRect(body, choice);
    // The lines caption stops short of the box beside it.
    const int right = choice == ScrollChoice::Lines ? ScrollLinesBoxRect(body).left - 4 : body.x + 232;
    return {mark.right + kCaptionGap, mark.top - 3, right, mark.bottom + 3};
}

const std::wstring& ScrollChoiceCaption(const TextCatalogue& texts, ScrollChoice choice) {
    return choice == ScrollChoice::Lines ? texts.numberOfRows : texts.scrollOneScreen;
}

ClientRect ScrollLinesBoxRect(ClientPoint body) {
    return RectAt(body, 150, 15, 186, 29);
}

ClientRect ScrollStepRect(ClientPoint body, int step) {
    return step > 0 ? RectAt(body, 190, 15, 200, 21) : RectAt(body, 190, 23, 200, 29);
}

ScrollChoice ChosenScroll(const ProfileSettings& settings) {
    // Any value but 0 scrolls a screen, as the system is told at Save.
    return settings.wheelScrollsScreen != 0 ? ScrollChoice::Screen : ScrollChoice::Lines;
}

std::wstring_view ScrollChoiceImageName(const ProfileSettings& settings, ScrollChoice choice) {
    return ChosenScroll(settings) == choice ? L"/MouseAttribute/ScrollSpeed/Enable.png"
                                            : L"/MouseAttribute/ScrollSpeed/Disable.png";
}

ScrollSpeedTarget ScrollSpeedTargetAt(ClientPoint body, ClientPoint press) {
    for (ScrollChoice choice : {ScrollChoice::Lines, ScrollChoice::Screen})
        if (ScrollChoiceRect(body, choice).Contains(press)) return {choice, 0};
    for (int step : {1, -1})
        if (ScrollStepRect(body, step).Contains(press)) return {std::nullopt, step};
    return {};
}

bool ChooseScroll(ProfileSettings& settings, ScrollChoice choice) {
    if (ChosenScroll(settings) == choice) return false;
    settings.wheelScrollsScreen = choice == ScrollChoice::Screen ? 1 : 0;
    return true;
}

std::uint8_t SteppedScrollLines(std::uint8_t lines, int step) {
    return static_cast<std::uint8_t>(ClampedLines(ClampedLines(lines) + step));
}

ScrollLinesReading ReadScrollLinesBox(std::wstring_view text) {
    const int typed = LeadingDecimal(text);
    if (typed == ClampedLines(typed)) return {static_cast<std::uint8_t>(typed), std::nullopt};
    return {kFewestScrollLines, L"1"};
}

std::wstring ScrollLinesBoxText(const ProfileSettings& settings) {
    return std::to_wstring(ClampedLines(settings.wheelScrollLines));
}

}  // namespace ravix
