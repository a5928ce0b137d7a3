#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/app/TextCatalogue.h"
#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"
#include "core/platform/IniFile.h"
#include "core/platform/Notifier.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileSettings.h"
#include "win/framework/MessageMap.h"
#include "win/platform/PixelRects.h"

namespace ravix::win {

class SkinCanvas;

// Repaints the main window with its children: its picture covers the pages' controls.
inline void RedrawWithChildren(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// How the main window looks in the language and skin chosen at start-up; its pages draw with it.
struct WindowLook {
    Language language = Language::English;
    TextCatalogue texts;
    HFONT captionFont = nullptr;  // owned by the window
    std::wstring skinFolder;
    // The heights of the skin's section bodies, measured when the skin is loaded.
    BodyHeights bodyHeights = CatalogueBodyHeights();
};

// What the pages of the main window work on: the window they live in, the records they show and
// edit, and how they draw. The window owns it; its fields fill in as the window starts up.
struct PageContext {
    HWND window = nullptr;
    MainWindowState& windowState;
    ProfileSettings& settings;
    ProfileText& text;  // the button labels beside the settings
    const WindowLook& look;
    Notifier& notifier;
    const IniFile& ini;                    // the skin's description files the pages' dialogs read
    const std::wstring& executablePath;    // the key capture dialogs' keyboard hook is beside it
    const std::wstring& macroLibraryPath;  // the macros a button can be given
    const SkinTextColour& textColour;      // the skin's caption colour, for the pages' dialogs

    // Repaints the window with its children: its picture covers the pages' controls.
    void Redraw() const { RedrawWithChildren(window); }
    // Repaints one part of the window: what a press on a slider or dial changed.
    void Invalidate(ClientRect rect) const {
        const RECT area = ToRect(rect);
        InvalidateRect(window, &area, FALSE);
    }
};

// The window side of one section's body. The main window holds one per section, offers each its
// messages after its own table (a page answers the notifications of its controls there), and calls
// it at each of the moments below.
class SectionPage : public MessageHandler {
public:
    // The section whose body this is.
    virtual Section PageSection() const = 0;

    // The section was expanded: create the body's controls. Collapsed: destroy them.
    virtual void Expand() {}
    virtual void Collapse() {}
    // The layout changed: the body is drawn here now, or not at all (`placement.body` empty).
    virtual void Place(const SectionPlacement& placement) { (void)placement; }
    // Draws the body's contents over its picture, in the window's off-screen pass.
    virtual void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const = 0;
    // A press the dispatch handed to this section (its body's controls, sliders or boxes).
    virtual void Press(const PressAction& action) = 0;
    // The settings record was replaced (filled, Cancel, Reset, reload): show it.
    virtual void Refresh(const ProfileSettings& settings) = 0;
    // Closes what is open only for a moment (lists, menus).
    virtual void CloseTransient() = 0;
    // Sees every message for the window or its children before dispatch; true swallows it.
    virtual bool PreTranslate(const MSG& msg) {
        (void)msg;
        return false;
    }

    bool OnWindowMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
};

using PageList = std::vector<std::unique_ptr<SectionPage>>;

// Every section body built so far, one page each.
PageList MakeSectionPages(PageContext& context);

}  // namespace ravix::win
