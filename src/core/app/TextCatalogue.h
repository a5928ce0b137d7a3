#pragma once

#include <array>
#include <string>

#include "core/app/ApplicationSettings.h"

namespace ravix {

// The captions and messages of the main window, its pages, its notification-area icon and its
// notices, in the language chosen at start-up. Empty until filled.
struct TextCatalogue {
    std::wstring trayTip;

    // Command and view buttons.
    std::wstring config, save, cancel, reset;
    std::wstring front, side;

    // Page titles.
    std::wstring buttonAssignmentTitle, macroManagerTitle, sensitivityTitle, dpiTitle, lightingTitle,
        reportRateTitle, cursorSpeedTitle, doubleClickSpeedTitle, scrollSpeedTitle, angleSnapTitle;

    std::array<std::wstring, 8> buttonNames;  // "Button 1" ... "Button 8"

    // The functions a mouse button can have, and the refusal to take the left button's away.
    std::wstring click, menu, middleButton, scrollUp, scrollDown, scrollSelect, forward, backward,
        cpiCycle, dpiLoop, windows, multimedia, hotKey, singleKey, comboKey, macroKey, buttonOff,
        doubleClick, leftKeyRequired;

    std::wstring xAxis, yAxis;
    std::wstring dpiSwitchUp, dpiSwitchDown;  // the two positions of the mouse's DPI switch
    std::wstring standard, breathing, spectrumCycle;
    std::wstring slow, fast;
    std::wstring numberOfRows, scrollOneScreen;

    // Notices. The stage texts end with a space: the stage's DPI value follows.
    std::array<std::wstring, 6> dpiStageNotices;
    std::wstring macroKeyNotice, notDetectedNotice, detectedNotice;

    std::wstring exit;  // the notification-area menu's one item

    // The section of the profile text file that holds the button labels in this language.
    std::wstring settingSection;
};

TextCatalogue TextCatalogueFor(Language language);

}  // namespace ravix
