#include "core/editor/PressDispatch.h"

#include "core/editor/ButtonBoxes.h"

namespace ravix {

namespace {

PressAction Act(PressKind kind) {
    return PressAction{.kind = kind};
}

PressAction ForSection(PressKind kind, Section section) {
    return PressAction{.kind = kind, .section = section};
}

PressAction ForButton(PressKind kind, int button) {
    return PressAction{.kind = kind, .button = button};
}

bool HasBodyControls(Section s) {
    return s == Section::Dpi || s == Section::Lighting || s == Section::ReportRate ||
           s == Section::CursorSpeed || s == Section::DoubleClickSpeed || s == Section::ScrollSpeed ||
           s == Section::Sensitivity;
}

bool HasBodySliders(Section s) {
    return s == Section::Dpi || s == Section::Lighting || s == Section::AngleSnap;
}

// The drawn body under the point; Button Assignment's own boxes are dispatched separately.
std::optional<Section> BodyAt(const MainWindowLayout& layout, ClientPoint point) {
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        const SectionPlacement& p = layout.sections[i];
        if (p.shown && p.body && p.body->Contains(point)) return static_cast<Section>(i);
    }
    return std::nullopt;
}

std::optional<int> ButtonBoxAt(ClientPoint point) {
    for (int k = 1; k <= kAssignableButtons; ++k)
        if (ButtonBoxRect(k).Contains(point)) return k;
    return std::nullopt;
}

// The profile operations come first and end the dispatch.
std::optional<PressAction> ProfileOperationAt(ClientPoint point) {
    if (kResetButton.Contains(point)) return Act(PressKind::Reset);
    if (kCancelButton.Contains(point)) return Act(PressKind::Cancel);
    if (kSaveButton.Contains(point)) return Act(PressKind::Save);
    return std::nullopt;
}

// The window's own buttons, the view buttons and the left headers: a match ends the dispatch,
// with no action when the profile manager is already open.
struct ControlMatch {
    bool acts = false;
    PressAction action{};
};

ControlMatch Acts(PressAction action) {
    return {true, action};
}

std::optional<ControlMatch> WindowControlAt(ClientPoint point, const MainWindowState& state,
                                            const MainWindowLayout& layout) {
    if (kMinimiseButton.Contains(point)) return Acts(Act(PressKind::Minimise));
    if (kCloseButton.Contains(point)) return Acts(Act(PressKind::Close));
    if (kConfigButton.Contains(point))
        return state.profileManagerOpen ? ControlMatch{} : Acts(Act(PressKind::OpenProfileManager));
    for (auto [rect, view] :
         {std::pair{kFrontViewButton, MouseView::Front}, {kSideViewButton, MouseView::Side}})
        if (rect.Contains(point))
            return Acts(PressAction{.kind = PressKind::ShowMouseView, .mouseView = view});
    const std::optional<Section> header = HeaderAt(layout, point);
    if (!header || IsRightPanelSection(*header)) return std::nullopt;
    if (*header == Section::MacroManager) return Acts(Act(PressKind::OpenMacroManager));
    return Acts(ForSection(PressKind::ToggleSection, *header));
}

}  // namespace

std::vector<PressAction> DispatchPress(ClientPoint point, const MainWindowState& state,
                                       const MainWindowLayout& layout) {
    if (auto operation = ProfileOperationAt(point)) return {*operation};
    if (kHelpButton.Contains(point))
        return {Act(state.helpWindowOpen ? PressKind::CloseHelp : PressKind::OpenHelp)};

    std::vector<PressAction> actions;
    if (state.helpWindowOpen) actions.push_back(Act(PressKind::CloseHelp));
    if (auto control = WindowControlAt(point, state, layout)) {
        if (control->acts) actions.push_back(control->action);
        return actions;
    }

    const std::optional<Section> header = HeaderAt(layout, point);
    if (header) actions.push_back(ForSection(PressKind::ToggleSection, *header));
    if (auto view = ScrollBarViewSwitch(point, state.layout.rightView))
        actions.push_back(PressAction{.kind = PressKind::SwitchRightView, .rightView = view});

    const std::optional<Section> body = BodyAt(layout, point);
    if (body && HasBodyControls(*body)) actions.push_back(ForSection(PressKind::BodyControls, *body));

    if (const auto k = state.openButtonList;
        k && !ButtonBoxRect(*k).Contains(point) && !MainListRect(*k).Contains(point))
        actions.push_back(ForButton(PressKind::CloseButtonLists, *k));
    if (const auto box = ButtonBoxAt(point); box && state.layout.IsExpanded(Section::ButtonAssignment)) {
        actions.push_back(ForButton(PressKind::ButtonBox, *box));
        return actions;
    }

    if (body && HasBodySliders(*body)) actions.push_back(ForSection(PressKind::BodySliders, *body));
    if (kTitleStrip.Contains(point) || kBottomStrip.Contains(point))
        actions.push_back(Act(PressKind::DragWindow));
    return actions;
}

std::optional<Section> PageSectionOf(const PressAction& action) {
    switch (action.kind) {
        case PressKind::BodyControls:
        case PressKind::BodySliders:
            return action.section;
        case PressKind::ButtonBox:
        case PressKind::CloseButtonLists:
            return Section::ButtonAssignment;
        default:
            return std::nullopt;
    }
}

MainWindowState ResetWindowState(const MainWindowState& state) {
    MainWindowState reset;
    reset.helpWindowOpen = state.helpWindowOpen;
    reset.profileManagerOpen = state.profileManagerOpen;
    return reset;
}

HoverTarget HoverTargetAt(ClientPoint point, const MainWindowState& state) {
    const std::pair<ClientRect, HoverRegion> fixed[] = {
        {kHelpButton, HoverRegion::Help},   {kMinimiseButton, HoverRegion::Minimise},
        {kCloseButton, HoverRegion::Close}, {kConfigButton, HoverRegion::Config},
        {kResetButton, HoverRegion::Reset}, {kCancelButton, HoverRegion::Cancel},
        {kSaveButton, HoverRegion::Save},
    };
    for (const auto& [rect, region] : fixed)
        if (rect.Contains(point)) return {region};
    if (state.layout.IsExpanded(Section::ButtonAssignment))
        if (const auto box = ButtonBoxAt(point)) return {HoverRegion::ButtonBox, *box};
    return {};
}

}  // namespace ravix
