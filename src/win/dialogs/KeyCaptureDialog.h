#pragma once

#include <windows.h>

#include <string>

#include "core/app/ApplicationSettings.h"
#include "core/dialogs/KeyCaptureDialogs.h"
#include "core/keys/KeyboardLayout.h"
#include "core/platform/Notifier.h"
#include "core/skin/DialogBackgrounds.h"
#include "win/app/CaptionFont.h"
#include "win/framework/Dialog.h"
#include "win/keys/KeyboardHookLibrary.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// What the key capture dialogs need from the program.
struct KeyDialogSetup {
    std::wstring skinFolder;
    Language language = Language::English;
    SkinTextColour textColour;   // the captions over the skin
    std::wstring executablePath;  // KBHook.dll is beside it
    Notifier& notifier;
    const KeyboardLayout& layout;  // names the keys
};

// What the two key capture dialogs share: the skinned background with close, OK and Cancel, the
// dialog font, and the keyboard hook, whose key reports each dialog turns into a key of its own.
// Neither dialog ends by the keyboard, so that Enter and Escape can be captured as keys.
class CKeyCaptureDialog : public CDialog {
public:
    CKeyCaptureDialog(UINT templateId, CWnd* parent, const KeyDialogSetup& setup, SkinnedDialog kind,
                      std::wstring ok, std::wstring cancel);

    bool PreTranslateMessage(MSG* msg) override;
    bool HookInstalled() const { return m_hook.Installed(); }
    bool Lit(KeyDialogRegion button) const { return m_lit == button; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The dialog's own controls, created once the background and the font are there.
    virtual void CreateControls() = 0;
    // A key the mouse has a code for was pressed.
    virtual void OnKey(KeyCode code) = 0;
    // A press on neither close, OK nor Cancel.
    virtual void OnOtherPress(PixelPoint point) = 0;
    // Draws what the dialog shows over its background besides the buttons.
    virtual void DrawCaptions(HDC) {}
    // The colours of a control's text and background; false leaves them to the system.
    virtual bool ControlColours(int id, COLORREF& text, COLORREF& background) const = 0;

    HWND CreateControl(const wchar_t* className, DWORD style, const PixelRect& rect, int id);
    std::wstring KeyName(KeyCode code) const;

    const KeyDialogSetup& Setup() const { return m_setup; }

private:
    void Draw(HDC target);
    void DrawButton(HDC dc, KeyDialogRegion button, const std::wstring& caption) const;
    void Light(KeyDialogRegion button);
    LRESULT ControlColour(WPARAM dc, LPARAM control);
    bool IsCombo() const { return m_kind == SkinnedDialog::Combo; }

    KeyDialogSetup m_setup;
    SkinnedDialog m_kind;
    std::wstring m_ok, m_cancel;
    KeyboardHookLibrary m_hook;
    UniqueBitmap m_background;
    UniqueFont m_font;
    UniqueBrush m_greyBrush;
    KeyDialogRegion m_lit = KeyDialogRegion::None;
};

}  // namespace ravix::win
