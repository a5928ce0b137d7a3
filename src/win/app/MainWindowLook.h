#pragma once

#include <windows.h>

#include <string>

#include "win/app/CaptionFont.h"
#include "win/app/ProgramPorts.h"
#include "win/editor/SectionPage.h"
#include "win/framework/MessageMap.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// How the main window looks: the language, caption font and skin of the profile current at
// start-up, which hold until the next start, and the skin's background picture. It also answers
// the window's erase requests, since whether there is anything to erase depends on the picture.
class MainWindowLook : public MessageHandler {
public:
    // Loads the language's texts and font and the skin; the window takes the size of the skin's
    // background picture. A skin that cannot be drawn is replaced by the shipped one, and the user
    // is told which file failed.
    void Load(HWND window, const std::wstring& languageCode, const std::wstring& skinPath, ProgramPorts& ports);

    const WindowLook& Look() const { return m_look; }
    HBITMAP Background() const { return m_background.Get(); }

    bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    WindowLook m_look;
    UniqueFont m_captionFont;
    UniqueBitmap m_background;  // "/main.png"
};

}  // namespace ravix::win
