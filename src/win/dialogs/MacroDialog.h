#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/app/DialogCaptions.h"
#include "core/dialogs/MacroDialogs.h"
#include "core/platform/Notifier.h"
#include "win/app/CaptionFont.h"
#include "win/dialogs/ButtonHover.h"
#include "win/framework/Dialog.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// What the macro assignment dialog shows.
struct MacroAssignmentSetup {
    std::wstring skinFolder;
    Language language = Language::English;
    SkinTextColour textColour;
    Notifier& notifier;
    std::vector<std::wstring> macroNames;  // the library's macros in file order
};

// The choice the dialog confirms: the macro's position in the library and how it repeats.
struct MacroAssignment {
    std::uint8_t macroIndex = 0;
    std::uint8_t loopMode = 0;
    std::wstring macroName;
};

// The small dialog in which a button is given a macro of the library and one of three repeat modes.
class CMacroDialog : public CDialog {
public:
    CMacroDialog(CWnd* parent, const MacroAssignmentSetup& setup);

    // The choice, once the dialog ended with OK.
    const std::optional<MacroAssignment>& Result() const { return m_result; }

    bool PreTranslateMessage(MSG* msg) override;

    HWND NameBox() const { return m_nameBox; }
    HWND ChoiceList() const { return m_list; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(HDC target);
    void DrawButton(HDC dc, MacroAssignmentRegion button, const std::wstring& caption);
    void OpenList();
    void CloseList();
    void Choose();
    LRESULT OnControlColour(WPARAM wParam, LPARAM);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM lParam);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM);
    LRESULT OnListChoice(WPARAM, LPARAM);

    MacroAssignmentSetup m_setup;
    MacroAssignmentCaptions m_captions;
    UniqueBitmap m_background;
    UniqueFont m_font;
    UniqueBrush m_boxBrush;
    HWND m_nameBox = nullptr;
    HWND m_list = nullptr;  // exists only while open
    MacroAssignment m_choice;
    bool m_chosen = false;
    bool m_loaded = false;
    ButtonHover<MacroAssignmentRegion> m_hover;
    std::optional<MacroAssignment> m_result;
};

// Runs the dialog over `owner`; the confirmed choice, or nothing when it was cancelled.
std::optional<MacroAssignment> RunMacroAssignment(CWnd* owner, const MacroAssignmentSetup& setup);

}  // namespace ravix::win
