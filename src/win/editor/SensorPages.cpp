#include "win/editor/SensorPages.h"

#include <string>

#include "core/editor/AngleSnap.h"
#include "core/editor/Lighting.h"
#include "core/editor/PointerDials.h"
#include "core/editor/ReportRate.h"
#include "core/editor/Sensitivity.h"
#include "core/editor/SliderPositions.h"
#include "core/skin/SkinPaths.h"
#include "win/editor/MainWindowPainter.h"

namespace ravix::win {
namespace {

void Image(const SkinCanvas& canvas, std::wstring_view name, ClientRect at) {
    canvas.Image(name, at.left, at.top);
}

void TenPositionScale(const SkinCanvas& canvas, ClientRect slider) {
    for (int p = 1; p <= 10; ++p) canvas.Caption(std::to_wstring(p), TenPositionScaleLabelRect(slider, p));
}

}  // namespace

void PicturePage::Place(const SectionPlacement& placement) {
    m_body = placement.shown ? placement.body : std::nullopt;
    PlaceControls(m_body);
}

std::optional<ClientRect> PicturePage::BodyOf(const PressAction& action) const {
    if (!m_body || !m_body->Contains(action.point)) return std::nullopt;
    return m_body;
}

void LightingPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    const ClientPoint at = Origin(body);
    const ProfileSettings& settings = m_context.settings;
    for (int row = 1; row <= kLightingRows; ++row) {
        Image(canvas, LightingRadioImageName(settings, row), LightingRadioRect(at, row));
        canvas.Caption(LightingCaption(m_context.look.texts, row), LightingCaptionRect(at, row), 0);
        Image(canvas, LightingSliderImageName(settings, row), LightingSliderRect(at, row));
        for (int p = 1; p <= kLightingPositions; ++p)
            canvas.Caption(std::wstring(LightingScaleLabel(row, p)), LightingScaleLabelRect(at, row, p));
    }
}

void LightingPage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body) return;
    const ClientPoint at = Origin(*body);
    const LightingPress press = PressLighting(m_context.settings, at, action.point);
    if (press.change == LightingChange::Effect) {
        for (int row = 1; row <= kLightingRows; ++row) m_context.Invalidate(LightingRadioRect(at, row));
    } else if (press.change == LightingChange::Position) {
        m_context.Invalidate(LightingSliderRect(at, press.row));
    }
}

void ReportRatePage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    // A code without a picture (a foreign profile) shows the body without a chosen quadrant.
    if (const auto name = ReportRateImageName(m_context.settings.reportRate))
        Image(canvas, *name, ReportRateDialRect(Origin(body), body.Width()));
}

void ReportRatePage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body) return;
    const ClientRect dial = ReportRateDialRect(Origin(*body), body->Width());
    if (PressReportRate(m_context.settings, dial, action.point)) m_context.Invalidate(dial);
}

void AngleSnapPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    const ClientPoint at = Origin(body);
    Image(canvas, AngleSnapPictureName(m_context.settings), AngleSnapPictureRect(at));
    const ClientRect slider = AngleSnapSliderRect(at);
    Image(canvas, TenPositionSliderImageName(m_context.settings.angleSnap), slider);
    TenPositionScale(canvas, slider);
}

void AngleSnapPage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body) return;
    const ClientPoint at = Origin(*body);
    if (!PressAngleSnap(m_context.settings, at, action.point)) return;
    m_context.Invalidate(AngleSnapSliderRect(at));
    m_context.Invalidate(AngleSnapPictureRect(at));
}

void SensitivityPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    const ClientPoint at = Origin(body);
    for (Axis axis : {Axis::X, Axis::Y}) {
        canvas.Caption(SensitivityCaption(m_context.look.texts, axis), SensitivityCaptionRect(at, axis), 0);
        const ClientRect slider = SensitivitySliderRect(at, axis);
        Image(canvas, TenPositionSliderImageName(SensitivityOf(m_context.settings, axis)), slider);
        TenPositionScale(canvas, slider);
    }
}

void SensitivityPage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body) return;
    const ClientPoint at = Origin(*body);
    if (const auto axis = PressSensitivity(m_context.settings, at, action.point))
        m_context.Invalidate(SensitivitySliderRect(at, *axis));
}

void SpeedDialPage::Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget) const {
    const ClientRect dial = SpeedDialRect(Origin(body), body.Width());
    Image(canvas, SpeedDialImageName(m_context.settings.*m_position), dial);
    canvas.Caption(m_context.look.texts.slow, SlowCaptionRect(dial));
    canvas.Caption(m_context.look.texts.fast, FastCaptionRect(dial));
}

void SpeedDialPage::Press(const PressAction& action) {
    const auto body = BodyOf(action);
    if (!body) return;
    const ClientRect dial = SpeedDialRect(Origin(*body), body->Width());
    if (PressSpeedDial(m_context.settings.*m_position, dial, action.point)) m_context.Invalidate(dial);
}

}  // namespace ravix::win
