#include "win/dialogs/SingleDialog.h"

#include "win/dialogs/DialogDrawing.h"
#include "win/resources/resource.h"

namespace ravix::win {

CSingleDialog::CSingleDialog(CWnd* parent, const KeyDialogSetup& setup)
    : CKeyCaptureDialog(IDD_SINGLE_KEY, parent, setup, SkinnedDialog::SingleKey, SingleKeyCaptionsFor(setup.language).ok,
                        SingleKeyCaptionsFor(setup.language).cancel),
      m_prompt(SingleKeyCaptionsFor(setup.language).prompt) {}

void CSingleDialog::CreateControls() {
    m_name = CreateControl(L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, kSingleKeyNameRect, kKeyNameId);
    SetWindowTextW(m_name, KeyName(m_key).c_str());
}

bool CSingleDialog::PreTranslateMessage(MSG* msg) {
    const bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    if (keyboard && (msg->wParam == VK_LWIN || msg->wParam == VK_RWIN)) return true;
    return CKeyCaptureDialog::PreTranslateMessage(msg);
}

void CSingleDialog::OnKey(KeyCode code) {
    m_key = code;
    SetWindowTextW(m_name, KeyName(code).c_str());
}

// The dialog has no caption bar: it is moved by dragging it anywhere.
void CSingleDialog::OnOtherPress(PixelPoint) {
    ReleaseCapture();
    PostMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void CSingleDialog::DrawCaptions(HDC dc) {
    DrawCaption(dc, m_prompt, kSingleKeyPromptRect, DT_CENTER | DT_VCENTER);
}

bool CSingleDialog::ControlColours(int id, COLORREF& text, COLORREF& background) const {
    if (id != kKeyNameId) return false;
    text = RGB(0, 0, 0);
    background = RGB(255, 255, 255);
    return true;
}

}  // namespace ravix::win

namespace ravix::win {

std::optional<KeyCode> CaptureSingleKey(HWND owner, const KeyDialogSetup& setup, KeyCode key) {
    CSingleDialog dialog(CWnd::FromHandle(owner), setup);
    dialog.SetKey(key);
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return dialog.Key();
}

}  // namespace ravix::win
