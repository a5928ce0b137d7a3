#include "win/dialogs/ComboDialog.h"

#include "core/app/DialogCaptions.h"
#include "core/keys/KeyNames.h"
#include "win/resources/resource.h"

namespace ravix::win {
namespace {

// The fields show the keys' names; keys are captured, not typed.
constexpr DWORD kKeyFieldStyle = WS_BORDER | ES_CENTER | ES_READONLY | ES_AUTOHSCROLL;

// The entry under a point of a list's client area; -1 past the last entry.
int EntryAt(HWND list, POINT point) {
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    return HIWORD(hit) != 0 ? -1 : static_cast<int>(LOWORD(hit));
}

}  // namespace

CComboDialog::CComboDialog(CWnd* parent, const KeyDialogSetup& setup)
    : CKeyCaptureDialog(IDD_COMBO_KEY, parent, setup, SkinnedDialog::Combo, ComboKeyCaptionsFor(setup.language).ok,
                        ComboKeyCaptionsFor(setup.language).cancel) {}

void CComboDialog::CreateControls() {
    m_modifierName =
        CreateControl(L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, kModifierNameRect, kModifierNameId);
    SetWindowTextW(m_modifierName, m_modifier.c_str());
    m_fields[0] = CreateControl(L"EDIT", kKeyFieldStyle, kFirstKeyFieldRect, kFirstKeyId);
    m_fields[1] = CreateControl(L"EDIT", kKeyFieldStyle, kSecondKeyFieldRect, kSecondKeyId);
    for (int i = 0; i < 2; ++i) SetWindowTextW(m_fields[i], KeyName(m_keys[i]).c_str());
}

// A key goes to the field that has the focus; with neither (the modifier list open, say) it is
// ignored.
void CComboDialog::OnKey(KeyCode code) {
    const HWND focus = GetFocus();
    for (int i = 0; i < 2; ++i) {
        if (focus != m_fields[i] || !IsWindowEnabled(m_fields[i])) continue;
        m_keys[i] = code;
        SetWindowTextW(m_fields[i], KeyName(code).c_str());
    }
}

void CComboDialog::OnOtherPress(PixelPoint point) {
    if (KeyDialogRegionAt(point, true) == KeyDialogRegion::ModifierArea && !m_list)
        OpenModifierList();
    else
        CloseModifierList();
}

void CComboDialog::OpenModifierList() {
    for (HWND field : m_fields) EnableWindow(field, FALSE);
    SetFocus(m_hWnd);
    m_list = CreateControl(L"LISTBOX", WS_BORDER | LBS_NOTIFY, kModifierListRect, kModifierListId);
    for (const ravix::ModifierName& modifier : ModifierNames())
        SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(modifier.name).c_str()));
}

void CComboDialog::CloseModifierList() {
    if (m_list) DestroyWindow(m_list);
    m_list = nullptr;
    for (HWND field : m_fields) EnableWindow(field, TRUE);
}

void CComboDialog::ChooseModifier() {
    const LRESULT selected = SendMessageW(m_list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) {
        m_modifier = ModifierNames()[static_cast<std::size_t>(selected)].name;
        SetWindowTextW(m_modifierName, m_modifier.c_str());
    }
    CloseModifierList();
}

bool CComboDialog::PreTranslateMessage(MSG* msg) {
    if (m_list && msg->hwnd == m_list && msg->message == WM_MOUSEMOVE) {
        // The entry under the pointer is highlighted as it moves.
        const int entry = EntryAt(m_list, {static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))});
        if (entry >= 0) SendMessageW(m_list, LB_SETCURSEL, entry, 0);
    }
    // A press anywhere but on the list or the dialog itself (which decides for itself) closes it.
    if (m_list && msg->message == WM_LBUTTONDOWN && msg->hwnd != m_list && msg->hwnd != m_hWnd) CloseModifierList();
    return CKeyCaptureDialog::PreTranslateMessage(msg);
}

bool CComboDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && LOWORD(wParam) == kModifierListId &&
        (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK)) {
        if (m_list) ChooseModifier();
        result = 0;
        return true;
    }
    return CKeyCaptureDialog::OnMessage(message, wParam, lParam, result);
}

bool CComboDialog::ControlColours(int id, COLORREF& text, COLORREF& background) const {
    if (id != kModifierNameId && id != kModifierListId && id != kFirstKeyId && id != kSecondKeyId) return false;
    text = RGB(255, 255, 255);
    background = RGB(0x28, 0x28, 0x28);
    return true;
}

}  // namespace ravix::win

namespace ravix::win {

std::optional<ComboKeys> CaptureComboKeys(HWND owner, const KeyDialogSetup& setup, const ComboKeys& keys) {
    CComboDialog dialog(CWnd::FromHandle(owner), setup);
    dialog.SetModifierName(keys.modifier);
    dialog.SetKeys(keys.first, keys.second);
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return ComboKeys{dialog.ModifierName(), dialog.FirstKey(), dialog.SecondKey()};
}

}  // namespace ravix::win
