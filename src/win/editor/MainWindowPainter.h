#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "core/app/TextCatalogue.h"
#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"

namespace ravix::win {

// Everything the main window's picture depends on.
struct MainWindowPicture {
    const std::wstring& skinFolder;
    HBITMAP background = nullptr;  // "/main.png", decoded once
    const MainWindowState& state;
    const MainWindowLayout& layout;
    HoverTarget hover;
    const TextCatalogue& texts;
    const std::array<std::wstring, 8>& buttonLabels;  // what each button's box shows
    HFONT captionFont = nullptr;
    COLORREF captionColour = 0;
};

// Draws the whole client area: background, logo, title and bottom buttons with their captions,
// the mouse picture in its view, the scroll bar, and every shown section header with its body.
void PaintMainWindow(HDC dc, const MainWindowPicture& picture);

// The caption of a section's header.
const std::wstring& SectionCaption(const TextCatalogue& texts, Section section);

}  // namespace ravix::win
