#pragma once

#include <optional>
#include <string>

#include "win/dialogs/KeyCaptureDialog.h"

namespace ravix::win {

// The combination-key dialog: one modifier chosen from its list, and two keys, each captured while
// its field has the focus; OK gives them to the caller.
class CComboDialog : public CKeyCaptureDialog {
public:
    static constexpr int kModifierNameId = 512;
    static constexpr int kModifierListId = 515;
    static constexpr int kFirstKeyId = 516;
    static constexpr int kSecondKeyId = 517;

    CComboDialog(CWnd* parent, const KeyDialogSetup& setup);

    // The modifier by its name in the list; an empty name for none.
    void SetModifierName(std::wstring name) { m_modifier = std::move(name); }
    const std::wstring& ModifierName() const { return m_modifier; }
    void SetKeys(KeyCode first, KeyCode second) { m_keys[0] = first, m_keys[1] = second; }
    KeyCode FirstKey() const { return m_keys[0]; }
    KeyCode SecondKey() const { return m_keys[1]; }
    bool ModifierListOpen() const { return m_list != nullptr; }

    bool PreTranslateMessage(MSG* msg) override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void CreateControls() override;
    void OnKey(KeyCode code) override;
    void OnOtherPress(PixelPoint point) override;
    bool ControlColours(int id, COLORREF& text, COLORREF& background) const override;

private:
    void OpenModifierList();
    void CloseModifierList();
    void ChooseModifier();

    std::wstring m_modifier;
    KeyCode m_keys[2] = {kNoKey, kNoKey};
    HWND m_modifierName = nullptr;
    HWND m_fields[2] = {nullptr, nullptr};
    HWND m_list = nullptr;
};

}  // namespace ravix::win

namespace ravix::win {

// A combination as the dialog shows it: the modifier by its name (empty for none) and two keys.
struct ComboKeys {
    std::wstring modifier;
    KeyCode first = kNoKey;
    KeyCode second = kNoKey;
};

// Runs the combination-key dialog over `owner` preset with `keys`; the combination chosen with OK,
// nothing after Cancel (or when the dialog cannot open).
std::optional<ComboKeys> CaptureComboKeys(HWND owner, const KeyDialogSetup& setup, const ComboKeys& keys);

}  // namespace ravix::win
