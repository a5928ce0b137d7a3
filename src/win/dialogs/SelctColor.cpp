#include "win/dialogs/SelctColor.h"

#include <algorithm>
#include <utility>

#include "core/dialogs/ColourDialogRules.h"
#include "core/skin/SkinCatalogue.h"
#include "win/dialogs/DialogDrawing.h"
#include "win/resources/resource.h"
#include "win/skin/SkinBitmaps.h"

namespace ravix::win {
namespace {

constexpr UINT kFirstPresetId = 1001;  // presets 1 to 6: 1001 to 1006
constexpr int kFieldIds[3] = {kRedFieldId, kGreenFieldId, kBlueFieldId};
constexpr DWORD kStripStyle = 0x50017280;  // visible tab-stop child; reversed, markers on both sides
constexpr int kStripCreationMode = 1;
constexpr int kHueStripMode = static_cast<int>(ColourMode::HueFixed) | kReversedModeFlag;

// Placement keys "1" to "15" as indices.
enum Placement : std::size_t { PlanePlace, StripPlace, WellPlace, RedPlace, ReadoutPlace = 6, FirstButtonPlace = 7 };


HBITMAP Sheet(const std::array<UniqueBitmap, kColourSheetCount>& sheets, ColourSheet sheet) {
    return sheets[static_cast<std::size_t>(sheet)].Get();
}

}  // namespace

CSelctColor::CSelctColor(CWnd* parent, const ColourDialogSetup& setup)
    : CDialog(IDD_SELECT_COLOR, parent), m_setup(setup), m_captions(ColourDialogCaptionsFor(setup.language)) {}

CSelctColor::~CSelctColor() = default;

HWND CSelctColor::ButtonHwnd(int key) const {
    const int index = key - 8;
    if (index < 0 || index >= static_cast<int>(m_buttons.size())) return nullptr;
    return m_buttons[static_cast<std::size_t>(index)].GetSafeHwnd();
}

std::vector<std::wstring> CSelctColor::LoadSheets(const ColourSelectSkin& skin,
                                                 std::array<UniqueBitmap, kColourSheetCount>& sheets) {
    std::vector<std::wstring> wrong;
    if (skin.faulty) wrong.push_back(skin.descriptionPath);
    for (std::size_t i = 0; i < kColourSheetCount; ++i) {
        if (skin.sheetPaths[i].empty()) continue;
        int w = 0, h = 0;
        if (!LoadBitmapFile(skin.sheetPaths[i], sheets[i], w, h)) {
            wrong.push_back(skin.sheetPaths[i]);
        } else if (i == static_cast<std::size_t>(ColourSheet::Normal)) {
            m_size = {w, h};
        }
    }
    return wrong;
}

void CSelctColor::PlaceWindow() {
    if (m_size.cx <= 0 || m_size.cy <= 0) m_size = {kColourDialogWidth, kColourDialogHeight};
    // Centred over the owner, so that the dialog opens where the user's eyes are.
    RECT area{};
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int x = area.left + (area.right - area.left - m_size.cx) / 2;
    const int y = area.top + (area.bottom - area.top - m_size.cy) / 2;
    SetWindowPos(m_hWnd, nullptr, std::max(x, 0), std::max(y, 0), m_size.cx, m_size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSelctColor::CreateButton(std::size_t index, const PixelRect& rect,
                               const std::array<UniqueBitmap, kColourSheetCount>& sheets) {
    const UINT id = index < 6 ? kFirstPresetId + static_cast<UINT>(index) : (index == 6 ? IDOK : IDCANCEL);
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect.left, rect.top,
                                  rect.Width(), rect.Height(), m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    CBitmapBtn& skinned = m_buttons[index];
    if (!button || !skinned.Attach(button)) return;
    skinned.SetSkin(Sheet(sheets, ColourSheet::Normal), Sheet(sheets, ColourSheet::Over),
                    Sheet(sheets, ColourSheet::Down), Sheet(sheets, ColourSheet::Disable), ToRect(rect));
}

void CSelctColor::CreateControls(const ColourSelectSkin& skin, const std::array<UniqueBitmap, kColourSheetCount>& sheets) {
    const auto& place = skin.placements;
    m_plane.Create(ToRect(place[PlanePlace]), m_hWnd);
    m_strip.Create(kStripStyle, ToRect(place[StripPlace]), m_hWnd, 101);
    m_strip.SetMode(kStripCreationMode);
    m_well.Create(ToRect(place[WellPlace]), m_hWnd, 102);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        CSpinWnd& field = m_fields[i];
        field.id = static_cast<UINT>(kFieldIds[i]);
        field.owner = m_hWnd;
        field.decimalOnly = true;
        if (field.Create(m_hWnd, ToRect(place[RedPlace + i])))
            field.SetSkin(Sheet(sheets, ColourSheet::Normal), Sheet(sheets, ColourSheet::Over),
                          Sheet(sheets, ColourSheet::Down), Sheet(sheets, ColourSheet::Normal));
    }
    m_readout.Create(m_hWnd, ToRect(place[ReadoutPlace]));
    for (std::size_t i = 0; i < m_buttons.size(); ++i) CreateButton(i, place[FirstButtonPlace + i], sheets);
}

void CSelctColor::ApplyCaptions() {
    const OsVersion version = ReportedOsVersion();
    m_titleFont = UniqueFont(CaptionFont(FontWindow::ColourDialog, m_setup.language, version));
    const FontChoice buttonFont = CaptionFont(FontWindow::ColourDialogButtons, m_setup.language, version);
    CBitmapBtn& apply = m_buttons[6];
    CBitmapBtn& cancel = m_buttons[7];
    apply.caption = m_captions.apply;
    cancel.caption = m_captions.cancel;
    for (CBitmapBtn* button : {&apply, &cancel}) {
        button->fontFace = buttonFont.face;
        button->fontHeight = buttonFont.height;
        button->fontWidth = 0;
    }
    apply.normalText = 0xFFFFFF, apply.hoverText = 0x0000FF, apply.disabledText = 0xFFFFFF, apply.pressedText = 0x0000FF;
    cancel.normalText = 0x949494, cancel.hoverText = cancel.disabledText = cancel.pressedText = 0xFFFFFF;
    for (CBitmapBtn* button : {&apply, &cancel})
        if (button->GetSafeHwnd()) InvalidateRect(button->GetSafeHwnd(), nullptr, FALSE);
    SetWindowTextW(m_hWnd, m_captions.title.c_str());
}

BOOL CSelctColor::OnInitDialog() {
    CDialog::OnInitDialog();
    const ColourSelectSkin skin = ReadColourSelectSkin(m_setup.ini, m_setup.skinFolder);
    std::array<UniqueBitmap, kColourSheetCount> sheets;
    const std::vector<std::wstring> wrong = LoadSheets(skin, sheets);
    PlaceWindow();
    CreateControls(skin, sheets);
    // The mask shapes the window and the normal sheet is its background; the other sheets live on
    // in the controls' own copies.
    m_mask = std::move(sheets[static_cast<std::size_t>(ColourSheet::Mask)]);
    m_background = std::move(sheets[static_cast<std::size_t>(ColourSheet::Normal)]);
    if (UniqueRegion region = BitmapToRegion(m_mask.Get())) {
        if (SetWindowRgn(m_hWnd, region.Get(), TRUE)) static_cast<void>(region.Detach());  // the window owns it now
    }

    ApplyCaptions();
    for (CSpinWnd& field : m_fields) field.range = {0, 255, 1};
    m_plane.Link(&m_strip, &m_well);
    m_strip.Link(&m_plane);
    m_well.Link(&m_plane);
    m_plane.SetMode(ColourMode::HueFixed);
    m_strip.SetMode(kHueStripMode);
    m_plane.SetColour(m_colour);
    // The dialog opens with what it can draw and says once what is wrong with the skin.
    if (!wrong.empty()) m_setup.notifier.ShowMessage(ColourSkinFaultMessage(wrong), m_captions.title);
    return TRUE;
}

bool CSelctColor::PreTranslateMessage(MSG* msg) {
    if (msg->message != WM_KEYDOWN) return false;
    return msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN || msg->wParam == VK_CAPITAL;
}

bool CSelctColor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    using D = CSelctColor;
    static constexpr std::array<MessageEntry<D>, 6> kTable = {{
        OnMessageEntry<D>(WM_SPIN_CHANGED, &D::OnChannelEdited),
        OnMessageEntry<D>(WM_WELL_COLOUR, &D::OnWellColour),
        OnControlEntry<D>(BN_CLICKED, kFirstPresetId, kFirstPresetId + 5, &D::OnPreset),
        OnMessageEntry<D>(WM_ERASEBKGND, &D::OnEraseBackground),
        OnMessageEntry<D>(WM_PAINT, &D::OnPaint),
        OnMessageEntry<D>(WM_DESTROY, &D::OnDestroy),
    }};
    if (DispatchMessageTable<D>(*this, kTable, message, wParam, lParam, result)) return message != WM_DESTROY;
    return CDialog::OnMessage(message, wParam, lParam, result);
}

LRESULT CSelctColor::OnChannelEdited(WPARAM wParam, LPARAM lParam) {
    // A field that only echoes the colour changes nothing: setting the plane again would re-derive
    // its position from the colour and lose the hue of a grey the user dragged to.
    const Colour edited = WithChannel(m_colour, static_cast<unsigned>(wParam), static_cast<int>(lParam));
    if (edited == m_colour) return 0;
    m_colour = edited;
    m_plane.SetColour(m_colour);
    return 0;
}

LRESULT CSelctColor::OnWellColour(WPARAM, LPARAM) {
    m_colour = m_well.GetColour();
    const int channels[3] = {RedOf(m_colour), GreenOf(m_colour), BlueOf(m_colour)};
    for (std::size_t i = 0; i < m_fields.size(); ++i) m_fields[i].SetValue(channels[i]);
    m_readout.SetText(HexReadout(m_colour));
    InvalidateRect(m_hWnd, nullptr, FALSE);
    return 0;
}

LRESULT CSelctColor::OnPreset(WPARAM wParam, LPARAM) {
    m_colour = kPresetColours[LOWORD(wParam) - kFirstPresetId];
    m_plane.SetColour(m_colour);
    return 0;
}

void CSelctColor::Draw(HDC target) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    XCMemDC dc(target, &client);
    if (m_background) {
        DrawBitmap(dc, 0, 0, client.right, client.bottom, m_background.Get());
    } else {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, 0xFFFFFF);
    const SelectedObject font(dc, m_titleFont.Get() ? m_titleFont.Get() : GetStockObject(DEFAULT_GUI_FONT));
    TextOutW(dc, 96, 33, m_captions.title.c_str(), static_cast<int>(m_captions.title.size()));
}

LRESULT CSelctColor::OnEraseBackground(WPARAM wParam, LPARAM) {
    Draw(reinterpret_cast<HDC>(wParam));
    return TRUE;
}

LRESULT CSelctColor::OnPaint(WPARAM, LPARAM) {
    Draw(PaintDc(m_hWnd).Get());
    return 0;
}

LRESULT CSelctColor::OnDestroy(WPARAM, LPARAM) {
    m_mask.Reset();
    m_background.Reset();
    return 0;
}

bool PickStageColour(HWND owner, const ColourDialogSetup& setup, Colour& colour) {
    CSelctColor dialog(CWnd::FromHandle(owner), setup);
    dialog.SetColour(colour);
    if (dialog.DoModal() != IDOK) return false;
    colour = dialog.GetColour();
    return true;
}

}  // namespace ravix::win
