#include "win/editor/DpiPage.h"

#include "core/dialogs/ColourDialogRules.h"
#include "win/dialogs/SelctColor.h"
#include "win/editor/ControlWindows.h"
#include "win/editor/MainWindowPainter.h"

namespace ravix::win {
namespace {

std::size_t IndexOf(int stage) {
    return static_cast<std::size_t>(stage - 1);
}

}  // namespace

void DpiPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    const ClientPoint at = Origin(body);
    for (int group = 1; group <= 2; ++group) {
        const DpiCaption caption = DpiGroupCaption(at, group, m_context.look.texts);
        canvas.Caption(*caption.text, caption.rect);
    }
    for (int stage = 1; stage <= kEditedDpiStages; ++stage) {
        const ClientRect slider = DpiSliderRect(at, stage), box = DpiEditBoxRect(at, stage);
        canvas.Image(DpiStageImageName(m_context.settings.dpiLevel[IndexOf(stage)]), slider.left, slider.top);
        canvas.Image(L"/DPISetting/BK-DPIValue.png", box.left, box.top);
    }
}

void DpiPage::PlaceControls(std::optional<ClientRect> body) {
    if (!body) {
        DestroyControls();
        return;
    }
    const ClientPoint at = Origin(*body);
    for (int stage = 1; stage <= kEditedDpiStages; ++stage) {
        const std::size_t i = IndexOf(stage);
        if (m_boxes[i]) continue;  // the section is always the panel's first: its body never moves
        m_boxes[i] = CreateChildControl(m_context.window, L"EDIT", WS_BORDER | ES_CENTER | ES_AUTOHSCROLL,
                                        DpiEditBoxRect(at, stage), DpiEditBoxId(stage), m_context.look.captionFont);
        WriteBox(stage, DpiBoxText(m_context.settings.dpiLevel[i]));
        m_swatches[i] = CreateChildControl(m_context.window, L"STATIC", 0, DpiSwatchRect(at, stage),
                                           DpiSwatchId(stage), nullptr);
    }
}

void DpiPage::DestroyControls() {
    for (HWND& box : m_boxes) DestroyControl(box);
    for (HWND& swatch : m_swatches) DestroyControl(swatch);
    for (UniqueBrush& brush : m_brushes) brush.Reset();
}

void DpiPage::Refresh(const ProfileSettings& settings) {
    for (int stage = 1; stage <= kEditedDpiStages; ++stage)
        if (m_boxes[IndexOf(stage)]) WriteBox(stage, DpiBoxText(settings.dpiLevel[IndexOf(stage)]));
}

void DpiPage::WriteBox(int stage, const std::wstring& text) {
    m_editGuard = true;
    SetWindowTextW(m_boxes[IndexOf(stage)], text.c_str());
    m_editGuard = false;
}

void DpiPage::OnBoxChange(int stage) {
    const HWND box = m_boxes[IndexOf(stage)];
    if (!box) return;
    const DpiBoxReading reading = ReadDpiBox(ControlText(box));
    // The replacement raises another change, which finds the value in range.
    if (reading.correction) SetWindowTextW(box, reading.correction->c_str());
    m_context.settings.dpiLevel[IndexOf(stage)] = reading.level;
    InvalidateRect(box, nullptr, TRUE);
    if (!m_editGuard && Body()) m_context.Invalidate(DpiSliderRect(Origin(*Body()), stage));
}

void DpiPage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body) return;
    const ClientPoint at = Origin(*body);
    if (const auto stage = DpiSliderAt(at, action.point)) {
        const int level = DpiLevelAt(action.point.y, DpiSliderRect(at, *stage));
        m_context.settings.dpiLevel[IndexOf(*stage)] = static_cast<std::uint8_t>(level);
        if (m_boxes[IndexOf(*stage)]) WriteBox(*stage, DpiBoxText(level));
        // The box may have corrected the level (50 DPI becomes 100): the slider shows what is stored.
        m_context.Invalidate(DpiSliderRect(at, *stage));
    } else if (const auto swatch = DpiSwatchAt(at, action.point)) {
        PickStageColour(*swatch);
    }
}

// The LED colour dialog opens with the stage's colour; its choice is stored (red, blue, green) and
// shown in the swatch, and reaches the mouse with the next Save.
void DpiPage::PickStageColour(int stage) {
    std::array<std::uint8_t, 3>& stored = m_context.settings.dpiColour[IndexOf(stage)];
    Colour colour = ColourOfStageBytes(stored);
    const ColourDialogSetup setup{m_context.look.skinFolder, m_context.look.language, m_context.ini,
                                  m_context.notifier};
    if (!win::PickStageColour(m_context.window, setup, colour)) return;
    stored = StageBytesOfColour(colour);
    if (const HWND swatch = m_swatches[IndexOf(stage)]) InvalidateRect(swatch, nullptr, TRUE);
}

HBRUSH DpiPage::SwatchBrush(int stage) {
    UniqueBrush& brush = m_brushes[IndexOf(stage)];
    brush.Reset(CreateSolidBrush(StageColourRef(m_context.settings, stage)));
    return brush.Get();
}

bool DpiPage::OnWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        const auto stage = DpiStageOfEditBox(LOWORD(wParam));
        if (!stage) return false;
        OnBoxChange(*stage);
        result = 0;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) {
        const auto stage = DpiStageOfSwatch(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        if (!stage) return false;
        result = reinterpret_cast<LRESULT>(SwatchBrush(*stage));
        return true;
    }
    return false;
}

}  // namespace ravix::win
