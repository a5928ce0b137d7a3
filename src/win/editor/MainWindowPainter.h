#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/app/TextCatalogue.h"
#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"
#include "win/editor/SectionPages.h"

namespace ravix::win {

// Draws skin images and captions onto the window's off-screen surface; the window's painter and its
// pages share it.
class SkinCanvas {
public:
    SkinCanvas(HDC dc, const std::wstring& skinFolder) : m_dc(dc), m_skinFolder(skinFolder) {}

    HDC Dc() const { return m_dc; }
    // The skin's image of that name ("/Logo.png") with its top-left corner at (x, y).
    void Image(std::wstring_view name, int x, int y) const;
    // A caption in the skin's colour, vertically centred in the rectangle; horizontally centred
    // unless an indent from the left edge is given.
    void Caption(const std::wstring& text, ClientRect rect, int indent = -1) const;

private:
    HDC m_dc;
    const std::wstring& m_skinFolder;
};

// Everything the main window's picture depends on.
struct MainWindowPicture {
    const WindowLook& look;
    HBITMAP background = nullptr;  // "/main.png", decoded once
    const MainWindowState& state;
    const MainWindowLayout& layout;
    HoverTarget hover;
    COLORREF captionColour = 0;
    const SectionPages& pages;  // each draws its section's body
};

// Draws the whole client area: background, logo, title and bottom buttons with their captions,
// the mouse picture in its view, the scroll bar, and every shown section header with its body's
// picture, over which the section's page draws its contents.
void PaintMainWindow(HDC dc, const MainWindowPicture& picture);

// The caption of a section's header.
const std::wstring& SectionCaption(const TextCatalogue& texts, Section section);

}  // namespace ravix::win
