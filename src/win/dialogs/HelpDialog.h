#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "core/app/ApplicationSettings.h"
#include "core/app/DialogCaptions.h"
#include "core/dialogs/HelpWindow.h"
#include "core/platform/Notifier.h"
#include "win/app/CaptionFont.h"
#include "win/framework/Dialog.h"

namespace ravix::win {

// What the help window needs from the program.
struct HelpSetup {
    std::wstring skinFolder;
    Language language = Language::English;
    SkinTextColour textColour;  // the buttons' captions
    Notifier& notifier;         // a missing background picture
};

// The skinned help panel inside the main window: the web-site line (opens the site), the update
// line (asks the main window to start the updater), the version line, and OK, Cancel and close.
// `open` is the main window's help-open flag: set while the panel is up, cleared however it ends.
class CHelpDialog : public CDialog {
public:
    CHelpDialog(CWnd* mainWindow, const HelpSetup& setup, bool& open);
    ~CHelpDialog() override;

    // Whether the pointer lights a button: close, OK, Cancel.
    bool Lit(HelpRegion button) const;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(HDC dc);
    void DrawButton(HDC dc, HelpRegion button);
    void Light(HelpRegion button);
    bool Press(PixelPoint point);
    std::size_t ButtonIndex(HelpRegion button) const;

    HelpSetup m_setup;
    bool& m_open;
    HelpCaptions m_captions;
    UniqueBitmap m_background;
    UniqueFont m_font;
    std::array<bool, 3> m_lit{};  // close, OK, Cancel
    bool m_loaded = false;
};

// The main window's help panel as its help button toggles it: a press on the button opens the
// panel, or closes it when it is open; any other press in the main window closes it.
class HelpPanel {
public:
    HelpPanel(CWnd& mainWindow, const HelpSetup& setup) : m_mainWindow(mainWindow), m_setup(setup) {}
    ~HelpPanel() { Close(); }

    void Toggle();
    void Close();
    bool IsOpen() const { return m_open; }
    HWND Window() const { return m_dialog ? m_dialog->GetSafeHwnd() : nullptr; }
    CHelpDialog* Dialog() const { return m_dialog.get(); }

private:
    CWnd& m_mainWindow;
    HelpSetup m_setup;
    bool m_open = false;
    std::unique_ptr<CHelpDialog> m_dialog;
};

}  // namespace ravix::win
