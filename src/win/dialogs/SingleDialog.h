#pragma once

#include <optional>

#include "core/app/DialogCaptions.h"
#include "win/dialogs/KeyCaptureDialog.h"

namespace ravix::win {

// The single-key dialog: names the last key pressed; OK gives its code to the caller.
class CSingleDialog : public CKeyCaptureDialog {
public:
    static constexpr int kKeyNameId = 502;

    CSingleDialog(CWnd* parent, const KeyDialogSetup& setup);

    void SetKey(KeyCode key) { m_key = key; }
    KeyCode Key() const { return m_key; }

    // The Windows keys' own messages are kept from the dialog too; their key reports still arrive.
    bool PreTranslateMessage(MSG* msg) override;

protected:
    void CreateControls() override;
    void OnKey(KeyCode code) override;
    void OnOtherPress(PixelPoint point) override;
    void DrawCaptions(HDC dc) override;
    bool ControlColours(int id, COLORREF& text, COLORREF& background) const override;

private:
    std::wstring m_prompt;
    KeyCode m_key = kNoKey;
    HWND m_name = nullptr;
};

}  // namespace ravix::win

namespace ravix::win {

// Runs the single-key dialog over `owner` preset with `key`; the key chosen with OK, nothing after
// Cancel (or when the dialog cannot open).
std::optional<KeyCode> CaptureSingleKey(HWND owner, const KeyDialogSetup& setup, KeyCode key);

}  // namespace ravix::win
