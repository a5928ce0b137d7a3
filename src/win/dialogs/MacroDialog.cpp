#include "win/dialogs/MacroDialog.h"

#include <windowsx.h>

#include <algorithm>
#include <array>

#include "core/skin/SkinPaths.h"
#include "win/app/Messages.h"
#include "win/dialogs/ColourPicker.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/framework/App.h"
#include "win/resources/resource.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

using Region = MacroAssignmentRegion;

constexpr COLORREF kBoxBackground = RGB(0x28, 0x28, 0x28);
constexpr COLORREF kBoxText = RGB(0xFF, 0xFF, 0xFF);
constexpr Region kModeBoxes[3] = {Region::Mode0, Region::Mode1, Region::Mode2};
constexpr Region kModeLabels[3] = {Region::ModeLabel0, Region::ModeLabel1, Region::ModeLabel2};

HWND CreateAt(const wchar_t* className, DWORD style, Region region, UINT id, HWND parent) {
    const PixelRect r = MacroAssignmentRect(region);
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.Width(),
                           r.Height(), parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           CWinApp::Instance(), nullptr);
}

bool Lightable(Region region) {
    return region == Region::Ok || region == Region::Cancel || region == Region::Close;
}

}  // namespace

CMacroDialog::CMacroDialog(CWnd* parent, const MacroAssignmentSetup& setup)
    : CDialog(IDD_MACRO_KEY, parent),
      m_setup(setup),
      m_captions(MacroAssignmentCaptionsFor(setup.language)),
      m_hover(&MacroAssignmentPressAt, &Lightable) {}

BOOL CMacroDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_background = UniqueBitmap(
        LoadDialogBackground(m_hWnd, m_setup.skinFolder, SkinnedDialog::MacroKey, m_setup.notifier));
    if (!m_background) {
        EndDialog(IDCANCEL);  // reported; the dialog cannot be drawn
        return TRUE;
    }
    CentreOverOwner(m_hWnd);
    m_font = UniqueFont(CaptionFont(FontWindow::MacroAssignment, m_setup.language, ReportedOsVersion()));
    m_boxBrush = UniqueBrush(CreateSolidBrush(kBoxBackground));
    m_nameBox = CreateAt(L"STATIC", SS_LEFT | SS_CENTERIMAGE, Region::NameBox, kMacroNameBoxId, m_hWnd);
    SendMessageW(m_nameBox, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    m_loaded = true;
    ShowWindow(m_hWnd, SW_SHOW);  // once, at its size and place
    return TRUE;
}

void CMacroDialog::OpenList() {
    m_list =
        CreateAt(L"LISTBOX", WS_BORDER | LBS_NOTIFY | WS_VSCROLL, Region::List, kMacroChoiceListId, m_hWnd);
    SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
    for (const std::wstring& name : m_setup.macroNames)
        SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void CMacroDialog::CloseList() {
    if (m_list) DestroyWindow(m_list);
    m_list = nullptr;
}

void CMacroDialog::Choose() {
    const LRESULT selected = SendMessageW(m_list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    m_choice.macroIndex = static_cast<std::uint8_t>(selected);
    m_choice.macroName = m_setup.macroNames[static_cast<std::size_t>(selected)];
    m_chosen = true;
    SetWindowTextW(m_nameBox, m_choice.macroName.c_str());
    CloseList();
}

// Without a choice the first macro is taken, so that the label names what the button plays; with
// no macro at all there is nothing to assign.
void CMacroDialog::OnOK() {
    if (m_setup.macroNames.empty()) {
        m_setup.notifier.ShowMessage(NoMacroToAssign(m_setup.language),
                                     MacroManagerCaptionsFor(m_setup.language).warningCaption);
        EndDialog(IDCANCEL);
        return;
    }
    if (!m_chosen) m_choice.macroName = m_setup.macroNames.front();
    m_result = m_choice;
    EndDialog(IDOK);
}

void CMacroDialog::DrawButton(HDC dc, Region button, const std::wstring& caption) {
    const PixelRect rect = MacroAssignmentRect(button);
    const bool lit = m_hover.Lit() == button;
    if (button == Region::Close) {
        DrawPng(dc, m_setup.skinFolder + (lit ? L"/button-close-over.png" : L"/button-close-normal.png"),
                rect.left, rect.top);
        return;
    }
    DrawPng(dc,
            m_setup.skinFolder +
                (lit ? L"/MacroManagement/button-new-over.png" : L"/MacroManagement/button-new-normal.png"),
            rect.left, rect.top);
    DrawCaption(dc, caption, rect, DT_CENTER | DT_VCENTER);
}

void CMacroDialog::Draw(HDC target) {
    const SkinnedCanvas dc(m_hWnd, target, m_loaded ? m_background.Get() : nullptr, m_setup.textColour, m_font.Get(),
                           static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!dc.Painted()) return;
    DrawCaption(dc, m_captions.prompt, MacroAssignmentRect(Region::Prompt), DT_CENTER | DT_VCENTER);
    for (std::size_t mode = 0; mode < 3; ++mode) {
        const PixelRect box = MacroAssignmentRect(kModeBoxes[mode]);
        const bool ticked = m_choice.loopMode == mode;
        DrawPng(dc, m_setup.skinFolder + (ticked ? L"/PaneMakingTick.png" : L"/Pane.png"), box.left, box.top);
        // Kept inside the picture, which may be narrower than the labels' places.
        PixelRect label = MacroAssignmentRect(kModeLabels[mode]);
        label.right = std::min<int>(label.right, dc.Client().right);
        DrawWrappedCaption(dc, m_captions.loopModes[mode], label);
    }
    DrawButton(dc, Region::Ok, m_captions.ok);
    DrawButton(dc, Region::Cancel, m_captions.cancel);
    DrawButton(dc, Region::Close, L"");
}

// Hovering the open list selects the entry under the pointer.
bool CMacroDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE && m_list && msg->hwnd == m_list) {
        const LRESULT hit = SendMessageW(m_list, LB_ITEMFROMPOINT, 0, msg->lParam);
        if (HIWORD(hit) == 0) SendMessageW(m_list, LB_SETCURSEL, LOWORD(hit), 0);
    }
    return false;
}

bool CMacroDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using D = CMacroDialog;
    static constexpr std::array<MessageEntry<D>, 6> kTable = {{
        OnMessageEntry<D>(WM_CTLCOLORLISTBOX, &D::OnControlColour),
        OnMessageEntry<D>(WM_CTLCOLORSTATIC, &D::OnControlColour),
        OnMessageEntry<D>(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        OnMessageEntry<D>(WM_MOUSEWHEEL, &D::OnMouseWheel),
        OnControlEntry<D>(LBN_SELCHANGE, kMacroChoiceListId, kMacroChoiceListId, &D::OnListChoice),
        OnControlEntry<D>(LBN_DBLCLK, kMacroChoiceListId, kMacroChoiceListId, &D::OnListChoice),
    }};
    if (m_hover.OnMessage(m_hWnd, message, lParam)) InvalidateRect(m_hWnd, nullptr, FALSE);
    if (AnswerSkinnedPaint(m_hWnd, message, result, [this](HDC dc) { Draw(dc); })) return true;
    if (DispatchMessageTable<D>(*this, kTable, message, wParam, lParam, result)) return true;
    return CDialog::OnMessage(message, wParam, lParam, result);
}

LRESULT CMacroDialog::OnControlColour(WPARAM wParam, LPARAM) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kBoxText);
    SetBkColor(dc, kBoxBackground);
    return reinterpret_cast<LRESULT>(m_boxBrush.Get());
}

LRESULT CMacroDialog::OnLeftButtonDown(WPARAM, LPARAM lParam) {
    const PixelPoint point = PointOf(lParam);
    const Region region = MacroAssignmentPressAt(point);
    if (m_list && region != Region::NameBoxClickArea && !MacroAssignmentRect(Region::List).Contains(point))
        CloseList();
    switch (region) {
        case Region::Ok:
            OnOK();
            break;
        case Region::Cancel:
        case Region::Close:
            OnCancel();
            break;
        case Region::NameBoxClickArea:
            if (m_list)
                CloseList();
            else
                OpenList();
            break;
        case Region::Mode0:
        case Region::Mode1:
        case Region::Mode2:
            m_choice.loopMode =
                static_cast<std::uint8_t>(static_cast<int>(region) - static_cast<int>(Region::Mode0));
            InvalidateRect(m_hWnd, nullptr, FALSE);
            break;
        default:
            break;
    }
    return 0;
}

LRESULT CMacroDialog::OnMouseWheel(WPARAM wParam, LPARAM) {
    if (!m_list) return 0;
    ScrollListByWheel(m_list, wParam);
    return 0;
}

LRESULT CMacroDialog::OnListChoice(WPARAM, LPARAM) {
    if (m_list) Choose();
    return 0;
}

std::optional<MacroAssignment> RunMacroAssignment(CWnd* owner, const MacroAssignmentSetup& setup) {
    CMacroDialog dialog(owner, setup);
    dialog.DoModal();
    return dialog.Result();
}

}  // namespace ravix::win
