#include "win/dialogs/KeyCaptureDialog.h"

#include <utility>

#include "core/keys/KeyTranslation.h"
#include "core/skin/SkinPaths.h"
#include "win/dialogs/ColourPicker.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

// The fields' grey, as the skin's pictures around them.
constexpr COLORREF kFieldGrey = RGB(0x28, 0x28, 0x28);

bool IsButton(KeyDialogRegion region) {
    return region == KeyDialogRegion::Close || region == KeyDialogRegion::Ok || region == KeyDialogRegion::Cancel;
}

PixelRect ButtonRect(KeyDialogRegion button) {
    switch (button) {
        case KeyDialogRegion::Close: return kKeyDialogCloseRect;
        case KeyDialogRegion::Ok: return kKeyDialogOkRect;
        default: return kKeyDialogCancelRect;
    }
}

}  // namespace

CKeyCaptureDialog::CKeyCaptureDialog(UINT templateId, CWnd* parent, const KeyDialogSetup& setup, SkinnedDialog kind,
                                     std::wstring ok, std::wstring cancel)
    : CDialog(templateId, parent),
      m_setup(setup),
      m_kind(kind),
      m_ok(std::move(ok)),
      m_cancel(std::move(cancel)),
      m_hook(setup.executablePath),
      m_greyBrush(CreateSolidBrush(kFieldGrey)) {}

BOOL CKeyCaptureDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_background.Reset(LoadDialogBackground(m_hWnd, m_setup.skinFolder, m_kind, m_setup.notifier));
    if (!m_background) {
        // A window of no size would keep the main window disabled with nothing to close: the
        // dialog ends as if cancelled, and the button keeps its function.
        EndDialog(IDCANCEL);
        return FALSE;
    }
    CentreOverOwner(m_hWnd);
    m_hook.Install(m_hWnd, m_setup.notifier, m_setup.language);
    m_font = UniqueFont(CaptionFont(FontWindow::Dialog, m_setup.language, ReportedOsVersion()));
    CreateControls();
    return TRUE;
}

HWND CKeyCaptureDialog::CreateControl(const wchar_t* className, DWORD style, const PixelRect& rect, int id) {
    const HWND control = CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                         rect.Width(), rect.Height(), m_hWnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         GetModuleHandleW(nullptr), nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    return control;
}

std::wstring CKeyCaptureDialog::KeyName(KeyCode code) const {
    return CodeToKeyName(code, m_setup.layout);
}

bool CKeyCaptureDialog::PreTranslateMessage(MSG* msg) {
    // Enter and Escape are keys to capture, not the dialog's OK and Cancel.
    return msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

void CKeyCaptureDialog::DrawButton(HDC dc, KeyDialogRegion button, const std::wstring& caption) const {
    const bool lit = m_lit == button;
    const PixelRect rect = ButtonRect(button);
    const wchar_t* image = button == KeyDialogRegion::Close
                               ? (lit ? L"/button-close-over.png" : L"/button-close-normal.png")
                               : (lit ? L"/MacroManagement/button-new-over.png" : L"/MacroManagement/button-new-normal.png");
    DrawPng(dc, SkinImagePath(m_setup.skinFolder, image), rect.left, rect.top);
    if (!caption.empty()) DrawCaption(dc, caption, rect, DT_CENTER | DT_VCENTER);
}

void CKeyCaptureDialog::Draw(HDC target) {
    const SkinnedCanvas dc(m_hWnd, target, m_background.Get(), m_setup.textColour, m_font.Get(),
                           static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    if (!dc.Painted()) return;
    DrawButton(dc, KeyDialogRegion::Close, L"");
    DrawButton(dc, KeyDialogRegion::Ok, m_ok);
    DrawButton(dc, KeyDialogRegion::Cancel, m_cancel);
    DrawCaptions(dc);
}

void CKeyCaptureDialog::Light(KeyDialogRegion button) {
    if (!IsButton(button)) button = KeyDialogRegion::None;
    if (button == m_lit) return;
    m_lit = button;
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

LRESULT CKeyCaptureDialog::ControlColour(WPARAM wParam, LPARAM lParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    COLORREF text = 0, background = 0;
    if (!ControlColours(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)), text, background)) return 0;
    SetTextColor(dc, text);
    SetBkColor(dc, background);
    return reinterpret_cast<LRESULT>(background == kFieldGrey ? m_greyBrush.Get() : GetStockObject(WHITE_BRUSH));
}

bool CKeyCaptureDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (AnswerSkinnedPaint(m_hWnd, message, result, [this](HDC dc) { Draw(dc); })) return true;
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            result = ControlColour(wParam, lParam);
            return result != 0;
        case WM_MOUSEMOVE: {
            Light(KeyDialogRegionAt(PointOf(lParam), IsCombo()));
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
            TrackMouseEvent(&track);
            return true;
        }
        case WM_MOUSELEAVE:
            Light(KeyDialogRegion::None);
            return true;
        case WM_LBUTTONDOWN:
            switch (KeyDialogRegionAt(PointOf(lParam), IsCombo())) {
                case KeyDialogRegion::Ok:
                    EndDialog(IDOK);
                    break;
                case KeyDialogRegion::Cancel:
                case KeyDialogRegion::Close:
                    EndDialog(IDCANCEL);
                    break;
                default:
                    OnOtherPress(PointOf(lParam));
                    break;
            }
            return true;
        case kKeyReportMessage:
            if (const auto code = KeyReportCode(wParam, static_cast<std::intptr_t>(lParam), m_setup.layout)) OnKey(*code);
            return true;
        case WM_DESTROY:
            m_hook.Remove();
            return false;
        default:
            return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

}  // namespace ravix::win
