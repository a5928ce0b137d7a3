#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/app/ApplicationSettings.h"
#include "core/app/DialogCaptions.h"
#include "core/dialogs/ColourSelectSkin.h"
#include "core/platform/IniFile.h"
#include "core/platform/Notifier.h"
#include "win/app/CaptionFont.h"
#include "win/dialogs/ColourPicker.h"
#include "win/framework/Dialog.h"
#include "win/skin/SkinButtons.h"
#include "win/skin/SkinFields.h"

namespace ravix::win {

// What the LED colour dialog needs from the program.
struct ColourDialogSetup {
    std::wstring skinFolder;
    Language language = Language::English;
    const IniFile& ini;     // reads the skin's description file
    Notifier& notifier;     // tells the user about a damaged skin
};

// The modal dialog in which the user picks a DPI stage's indicator colour: a colour plane with its
// hue strip and well, red, green and blue fields, a hexadecimal read-out, six presets, APPLY and
// CANCEL, all placed and skinned by the skin folder's "skin_Color_Select.ini".
class CSelctColor : public CDialog {
public:
    CSelctColor(CWnd* parent, const ColourDialogSetup& setup);
    ~CSelctColor() override;

    void SetColour(Colour colour) { m_colour = colour & 0xFFFFFF; }
    Colour GetColour() const { return m_colour; }

    // Escape, Enter and Caps Lock never reach the dialog's controls, so neither key closes it.
    bool PreTranslateMessage(MSG* msg) override;

    // The controls, for the tests that drive the dialog.
    GTColorSelectorWnd& Plane() { return m_plane; }
    GTColorSliderWnd& Strip() { return m_strip; }
    CSpinWnd& Field(int channel) { return m_fields[static_cast<std::size_t>(channel)]; }
    const CTextLabel& Readout() const { return m_readout; }
    HWND ButtonHwnd(int key) const;  // by placement key: presets 8 to 13, APPLY 14, CANCEL 15

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnChannelEdited(WPARAM wParam, LPARAM lParam);
    LRESULT OnWellColour(WPARAM, LPARAM);
    LRESULT OnPreset(WPARAM wParam, LPARAM);
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);

    std::vector<std::wstring> LoadSheets(const ColourSelectSkin& skin, std::array<UniqueBitmap, kColourSheetCount>& sheets);
    void PlaceWindow();
    void CreateControls(const ColourSelectSkin& skin, const std::array<UniqueBitmap, kColourSheetCount>& sheets);
    void CreateButton(std::size_t index, const PixelRect& rect, const std::array<UniqueBitmap, kColourSheetCount>& sheets);
    void ApplyCaptions();
    void Draw(HDC dc);

    ColourDialogSetup m_setup;
    ColourDialogCaptions m_captions;
    Colour m_colour = 0x0000FF;
    UniqueBitmap m_mask, m_background;
    SIZE m_size{};
    UniqueFont m_titleFont;
    GTColorSelectorWnd m_plane;
    GTColorSliderWnd m_strip;
    GTColorWellWnd m_well;
    std::array<CSpinWnd, 3> m_fields;
    CTextLabel m_readout;
    std::array<CBitmapBtn, 8> m_buttons;  // six presets, APPLY, CANCEL
};

// Opens the LED colour dialog over `owner` with `colour`; on APPLY stores the choice in `colour` and
// returns true, on CANCEL (or when the dialog cannot open) leaves it and returns false.
bool PickStageColour(HWND owner, const ColourDialogSetup& setup, Colour& colour);

}  // namespace ravix::win
