#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/app/DialogCaptions.h"
#include "core/dialogs/MacroDialogs.h"
#include "core/macros/MacroLibrary.h"
#include "core/macros/MacroManagerRules.h"
#include "core/platform/BinaryFiles.h"
#include "core/platform/IniFile.h"
#include "core/platform/Notifier.h"
#include "core/store/ProfileSettings.h"
#include "win/app/CaptionFont.h"
#include "win/dialogs/ButtonHover.h"
#include "win/framework/Dialog.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// What the macro manager works with.
struct MacroManagerSetup {
    std::wstring skinFolder;
    Language language = Language::English;
    SkinTextColour textColour;
    IniFile& ini;
    BinaryFiles& files;
    Notifier& notifier;
    std::wstring executablePath;  // the stored profiles beside it follow a deleted macro too
    std::wstring libraryPath;     // "record.ini" beside the program
    ProfileSettings& settings;    // its buttons follow a deleted macro
    MacroManagerMemory& memory;   // the recorder and the tick boxes, kept between runs
};

// The macro manager: the library's macros on the left, the open macro's lines in the middle, the
// recorder and the macro's options on the right. Every change of a macro is saved into the library
// at once; OK encodes the whole library into the image of the mouse's twelve macro slots.
class CMacroProgramDialog : public CDialog {
public:
    CMacroProgramDialog(CWnd* parent, const MacroManagerSetup& setup);
    ~CMacroProgramDialog() override;

    // The slot images to store in the settings: after OK, and after Cancel when a macro was deleted
    // (the buttons' numbers followed the deletion, so the slots must too). Nothing otherwise.
    const std::optional<MacroImage>& Result() const { return m_result; }

    bool PreTranslateMessage(MSG* msg) override;

    HWND MacroList() const { return m_macroList; }
    HWND KeyList() const { return m_keyList; }
    HWND RepeatCountField() const { return m_repeatField; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Window (MacroProgramDialog.cpp).
    HWND CreateChild(const wchar_t* className, DWORD style, MacroManagerRegion region, UINT id);
    void CreateControls();
    void FillFromLibrary();
    void Draw(HDC target);
    void DrawButton(HDC dc, MacroManagerRegion button, const std::wstring& caption);
    void Press(PixelPoint point);
    LRESULT OnControlColour(WPARAM wParam, LPARAM);
    LRESULT OnLeftButtonDown(WPARAM, LPARAM lParam);
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);

    // Editing (MacroProgramEditing.cpp).
    std::optional<int> SelectedMacro() const;
    std::wstring MacroName(int index) const;
    std::vector<std::wstring> Lines(HWND list) const;
    void ShowLines(const std::vector<std::wstring>& lines, std::optional<std::size_t> selection);
    void SetRepeatCountText(const std::wstring& text);
    void ApplyRepeatCount();
    void SaveOpenMacro();
    void NewMacro();
    void DeleteMacro();
    void ShowKeyListMenu(POINT screen);
    void BeginRename(int index);
    void CommitRename(int index, const std::wstring& typed);
    void CommitDelay(int index, const std::wstring& typed);
    void Warn(const std::wstring& text);
    LRESULT OnMacroSelected(WPARAM, LPARAM);
    LRESULT OnMacroDoubleClicked(WPARAM, LPARAM);
    LRESULT OnLineClicked(WPARAM, LPARAM);
    LRESULT OnRepeatCountChanged(WPARAM, LPARAM);
    LRESULT OnDeleteLine(WPARAM, LPARAM);
    LRESULT OnInsertButton(WPARAM wParam, LPARAM);
    LRESULT OnInsertDelay(WPARAM, LPARAM);

    // Recording (MacroRecording.cpp).
    void StartRecording();
    void StopRecording();
    void RemoveHook();
    LRESULT OnRecorderMessage(WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM key, LPARAM flags);

    MacroManagerSetup m_setup;
    MacroManagerCaptions m_captions;
    MacroLibrary m_library;
    UniqueBitmap m_background;
    UniqueFont m_font, m_listFont;
    UniqueBrush m_listBrush, m_fieldBrush;
    HWND m_macroList = nullptr, m_keyList = nullptr, m_repeatField = nullptr;
    std::wstring m_repeatText;             // the repeat count last written, as the file holds it
    std::optional<int> m_lastRenameClick;  // the macro double-clicked last
    std::optional<int> m_lastDelayClick;   // the delay line clicked last
    ButtonHover<MacroManagerRegion> m_hover;
    bool m_filling = false;       // the manager itself is setting the repeat-count field
    bool m_loaded = false;        // the background was found and the controls exist
    bool m_macroDeleted = false;  // the library's numbering changed during this run
    std::optional<MacroImage> m_result;
    UniqueHook m_hook;
    std::optional<int> m_linesBeforeControl;  // the key list's length before a Ctrl press just recorded
};

// Runs the manager over `owner`; the slot images to store in the settings, if any (see Result).
std::optional<MacroImage> RunMacroManager(CWnd* owner, const MacroManagerSetup& setup);

// Puts the slot images into the settings record's macro area, from where Save sends them.
void StoreMacroImage(ProfileSettings& settings, const MacroImage& image);

}  // namespace ravix::win
