#include "win/editor/ScrollSpeedPage.h"

#include <string>

#include "core/editor/ScrollSpeed.h"
#include "win/editor/ControlWindows.h"
#include "win/editor/MainWindowPainter.h"

namespace ravix::win {

void ScrollSpeedPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    const ClientPoint at = Origin(body);
    for (ScrollChoice choice : {ScrollChoice::Lines, ScrollChoice::Screen}) {
        const ClientRect mark = ScrollChoiceRect(at, choice);
        canvas.Image(ScrollChoiceImageName(m_context.settings, choice), mark.left, mark.top);
        canvas.Caption(ScrollChoiceCaption(m_context.look.texts, choice), ScrollChoiceCaptionRect(at, choice), 0);
    }
    const ClientRect box = ScrollLinesBoxRect(at);
    canvas.Image(L"/MouseAttribute/ScrollSpeed/ScrollLines.png", box.left, box.top);
}

void ScrollSpeedPage::PlaceControls(std::optional<ClientRect> body) {
    if (!body) {
        DestroyBox();
        return;
    }
    const ClientRect at = ScrollLinesBoxRect(Origin(*body));
    if (m_box) {
        MoveWindow(m_box, at.left, at.top, at.Width(), at.Height(), FALSE);
        return;
    }
    m_box = CreateChildControl(m_context.window, L"EDIT", ES_CENTER | ES_AUTOHSCROLL, at, kScrollLinesBoxId,
                               m_context.look.captionFont);
    ShowLines(m_context.settings);
}

void ScrollSpeedPage::DestroyBox() {
    DestroyControl(m_box);
}

void ScrollSpeedPage::ShowLines(const ProfileSettings& settings) {
    if (!m_box) return;
    SetWindowTextW(m_box, ScrollLinesBoxText(settings).c_str());
    EnableWindow(m_box, ChosenScroll(settings) == ScrollChoice::Lines);
}

void ScrollSpeedPage::Refresh(const ProfileSettings& settings) {
    ShowLines(settings);
}

void ScrollSpeedPage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body || !m_box) return;
    const ClientPoint at = Origin(*body);
    const ScrollSpeedTarget target = ScrollSpeedTargetAt(at, action.point);
    ProfileSettings& settings = m_context.settings;
    if (target.choice && ChooseScroll(settings, *target.choice)) {
        EnableWindow(m_box, *target.choice == ScrollChoice::Lines);
        for (ScrollChoice choice : {ScrollChoice::Lines, ScrollChoice::Screen})
            m_context.Invalidate(ScrollChoiceRect(at, choice));
    } else if (target.step != 0) {
        settings.wheelScrollLines = SteppedScrollLines(settings.wheelScrollLines, target.step);
        SetWindowTextW(m_box, std::to_wstring(settings.wheelScrollLines).c_str());
    }
}

bool ScrollSpeedPage::OnWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || LOWORD(wParam) != kScrollLinesBoxId || HIWORD(wParam) != EN_CHANGE || !m_box)
        return false;
    const ScrollLinesReading reading = ReadScrollLinesBox(ControlText(m_box));
    if (reading.correction) SetWindowTextW(m_box, reading.correction->c_str());
    m_context.settings.wheelScrollLines = reading.lines;
    InvalidateRect(m_box, nullptr, TRUE);
    result = 0;
    return true;
}

}  // namespace ravix::win
