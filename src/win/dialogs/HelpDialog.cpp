#include "win/dialogs/HelpDialog.h"

#include <shellapi.h>
#include <windowsx.h>

#include "RavixVersion.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/resources/resource.h"
#include "win/app/Messages.h"
#include "win/dialogs/ColourPicker.h"
#include "win/skin/SkinBitmaps.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

constexpr HelpRegion kButtons[3] = {HelpRegion::Close, HelpRegion::Ok, HelpRegion::Cancel};


bool IsButton(HelpRegion region) {
    return region == HelpRegion::Close || region == HelpRegion::Ok || region == HelpRegion::Cancel;
}

}  // namespace

CHelpDialog::CHelpDialog(CWnd* mainWindow, const HelpSetup& setup, bool& open)
    : CDialog(IDD_HELP_DIALOG, mainWindow), m_setup(setup), m_open(open), m_captions(HelpCaptionsFor(setup.language, kProgramVersionShort)) {}

CHelpDialog::~CHelpDialog() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

std::size_t CHelpDialog::ButtonIndex(HelpRegion button) const {
    for (std::size_t i = 0; i < 3; ++i)
        if (kButtons[i] == button) return i;
    return 0;
}

bool CHelpDialog::Lit(HelpRegion button) const {
    return IsButton(button) && m_lit[ButtonIndex(button)];
}

BOOL CHelpDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_open = true;
    m_background.Reset(LoadDialogBackground(m_hWnd, m_setup.skinFolder, SkinnedDialog::Help, m_setup.notifier));
    RECT frame{};
    GetWindowRect(m_hWnd, &frame);
    SetWindowPos(m_hWnd, nullptr, kHelpWindowPlace.x, kHelpWindowPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    if (!m_background) return TRUE;  // reported; the panel stays without picture, font or texts
    m_font = UniqueFont(CaptionFont(FontWindow::Dialog, m_setup.language, ReportedOsVersion()));
    m_loaded = true;
    return TRUE;
}

void CHelpDialog::DrawButton(HDC dc, HelpRegion button) {
    const bool lit = Lit(button);
    const RECT rect = ToRect(HelpRegionRect(button));
    if (button == HelpRegion::Close) {
        DrawPng(dc, m_setup.skinFolder + (lit ? L"/button-close-over.png" : L"/button-close-normal.png"), rect.left, rect.top);
        return;
    }
    DrawPng(dc, m_setup.skinFolder + (lit ? L"/MacroManagement/button-new-over.png" : L"/MacroManagement/button-new-normal.png"),
            rect.left, rect.top);
    const std::wstring& caption = button == HelpRegion::Ok ? m_captions.ok : m_captions.cancel;
    RECT text = rect;
    SetTextColor(dc, RGB(m_setup.textColour.red, m_setup.textColour.green, m_setup.textColour.blue));
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CHelpDialog::Draw(HDC target) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    XCMemDC dc(target, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_loaded) return;
    {
        const UniqueDc source(CreateCompatibleDC(dc));
        const SelectedObject picture(source.Get(), m_background.Get());
        BitBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    }
    SetBkMode(dc, TRANSPARENT);
    const SelectedObject font(dc, m_font.Get());
    SetTextColor(dc, 0x000000);
    const std::wstring webSite(kWebSiteAddress);
    const std::pair<HelpRegion, const std::wstring*> lines[] = {
        {HelpRegion::WebSite, &webSite}, {HelpRegion::Update, &m_captions.updateLine}, {HelpRegion::Version, &m_captions.versionLine}};
    for (const auto& [region, text] : lines) {
        RECT rect = ToRect(HelpRegionRect(region));
        DrawTextW(dc, text->c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    for (HelpRegion button : kButtons) DrawButton(dc, button);
}

void CHelpDialog::Light(HelpRegion button) {
    std::array<bool, 3> lit{};
    if (IsButton(button)) lit[ButtonIndex(button)] = true;
    if (lit == m_lit) return;
    m_lit = lit;
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

// Carries out a press; false when the press also gets the default handling.
bool CHelpDialog::Press(PixelPoint point) {
    switch (HelpRegionAt(point)) {
        case HelpRegion::WebSite:
            ShellExecuteW(nullptr, L"open", std::wstring(kWebSiteAddress).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            return true;
        case HelpRegion::Update:
            // The updater is started by the main window, which accepts the request from anyone.
            PostMessageW(GetParent(m_hWnd), WM_RUN_UPDATER, 0, 0);
            return false;
        case HelpRegion::Ok:
            // However the panel ends, the next press of the help button opens a new one.
            m_open = false;
            EndDialog(IDOK);
            return true;
        case HelpRegion::Cancel:
        case HelpRegion::Close:
            m_open = false;
            EndDialog(IDCANCEL);
            return true;
        default:
            return false;
    }
}

bool CHelpDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (AnswerSkinnedPaint(m_hWnd, message, result, [this](HDC dc) { Draw(dc); })) return true;
    switch (message) {
        case WM_MOUSEMOVE:
            if (IsButton(HelpRegionAt(PointOf(lParam)))) {
                TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, m_hWnd, 10};
                TrackMouseEvent(&track);
            } else {
                Light(HelpRegion::None);
            }
            return false;
        case WM_MOUSEHOVER:
            Light(HelpRegionAt(PointOf(lParam)));
            return true;
        case WM_LBUTTONDOWN:
            return Press(PointOf(lParam));
        default:
            return CDialog::OnMessage(message, wParam, lParam, result);
    }
}

void HelpPanel::Toggle() {
    if (m_open) {
        Close();
        return;
    }
    Close();
    m_dialog = std::make_unique<CHelpDialog>(&m_mainWindow, m_setup, m_open);
    if (!m_dialog->Create()) {
        m_dialog.reset();
        m_open = false;
        return;
    }
    ShowWindow(m_dialog->GetSafeHwnd(), SW_SHOW);
}

void HelpPanel::Close() {
    m_dialog.reset();
    m_open = false;
}

}  // namespace ravix::win
