#include <gtest/gtest.h>

#include <initializer_list>

#include "core/editor/PressDispatch.h"

namespace ravix {
namespace {

using S = Section;
using K = PressKind;

MainWindowState WithExpanded(std::initializer_list<Section> sections) {
    MainWindowState state;
    for (Section s : sections) state.layout.expanded[static_cast<std::size_t>(s)] = true;
    return state;
}

std::vector<PressAction> Press(ClientPoint point, const MainWindowState& state) {
    return DispatchPress(point, state, LayOutMainWindow(state.layout, CatalogueBodyHeights()));
}

PressAction Act(K kind) {
    return {.kind = kind};
}

PressAction Toggle(Section section) {
    return {.kind = K::ToggleSection, .section = section};
}

TEST(PressDispatch, FixedRegionsTriggerTheirAction) {
    struct Case {
        const char* name;
        ClientPoint point;
        std::vector<PressAction> expected;
    };
    const Case cases[] = {
        {"reset", {800, 610}, {Act(K::Reset)}},
        {"cancel", {916, 633}, {Act(K::Cancel)}},
        {"save", {923, 604}, {Act(K::Save)}},
        {"help", {940, 10}, {Act(K::OpenHelp)}},
        {"minimise", {960, 10}, {Act(K::Minimise)}},
        {"close", {990, 19}, {Act(K::Close)}},
        {"config", {20, 610}, {Act(K::OpenProfileManager)}},
        {"front view", {420, 530}, {{.kind = K::ShowMouseView, .mouseView = MouseView::Front}}},
        {"side view", {475, 530}, {{.kind = K::ShowMouseView, .mouseView = MouseView::Side}}},
        {"button assignment header", {30, 110}, {Toggle(S::ButtonAssignment)}},
        {"macro manager header", {30, 165}, {Act(K::OpenMacroManager)}},
        {"sensitivity header", {30, 180}, {Toggle(S::Sensitivity)}},
        {"a right header", {740, 60}, {Toggle(S::Lighting)}},
        {"lower scroll bar", {985, 400}, {{.kind = K::SwitchRightView, .rightView = RightPanelView::Bottom}}},
        {"upper scroll bar in the top view", {985, 100}, {}},
        {"title strip", {500, 10}, {Act(K::DragWindow)}},
        {"bottom strip", {500, 620}, {Act(K::DragWindow)}},
        {"between the help and minimise buttons", {955, 10}, {Act(K::DragWindow)}},
        {"logo", {100, 50}, {}},
        {"mouse picture", {500, 200}, {}},
        {"gap between headers", {740, 54}, {}},
        {"collapsed button assignment's box", {130, 305}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Press(c.point, MainWindowState{}), c.expected) << c.name;
}

TEST(PressDispatch, HelpWindowClosesOnItsButtonAndOnPressesElsewhereThatGoOn) {
    MainWindowState state;
    state.helpWindowOpen = true;
    EXPECT_EQ(Press({940, 10}, state), (std::vector{Act(K::CloseHelp)}));
    EXPECT_EQ(Press({500, 10}, state), (std::vector{Act(K::CloseHelp), Act(K::DragWindow)}));
    EXPECT_EQ(Press({30, 110}, state), (std::vector{Act(K::CloseHelp), Toggle(S::ButtonAssignment)}));
    // The profile operations come before the help window's turn.
    EXPECT_EQ(Press({930, 610}, state), (std::vector{Act(K::Save)}));
}

TEST(PressDispatch, ConfigOpensOnlyOneProfileManager) {
    MainWindowState state;
    state.profileManagerOpen = true;
    EXPECT_EQ(Press({20, 610}, state), std::vector<PressAction>{});
}

TEST(PressDispatch, HiddenRightHeadersDoNotAnswer) {
    MainWindowState state = WithExpanded({S::Dpi, S::ReportRate});
    // The report-rate body reaches 470; below it lie no headers in the top view.
    EXPECT_EQ(Press({740, 480}, state), std::vector<PressAction>{});
    state.layout.rightView = RightPanelView::Bottom;
    EXPECT_EQ(Press({740, 110}, state), (std::vector{Toggle(S::AngleSnap)}));
}

TEST(PressDispatch, BodiesPassPressesToTheirControlsAndSliders) {
    struct Case {
        const char* name;
        std::initializer_list<Section> expanded;
        ClientPoint point;
        std::vector<PressAction> expected;
    };
    const Case cases[] = {
        {"dpi body",
         {S::Dpi},
         {800, 100},
         {{.kind = K::BodyControls, .section = S::Dpi}, {.kind = K::BodySliders, .section = S::Dpi}}},
        {"report rate body",
         {S::ReportRate},
         {800, 150},
         {{.kind = K::BodyControls, .section = S::ReportRate}}},
        {"angle snap body", {S::AngleSnap}, {800, 250}, {{.kind = K::BodySliders, .section = S::AngleSnap}}},
        {"sensitivity body",
         {S::Sensitivity},
         {100, 250},
         {{.kind = K::BodyControls, .section = S::Sensitivity}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Press(c.point, WithExpanded(c.expanded)), c.expected) << c.name;
}

TEST(PressDispatch, ButtonBoxesAnswerOnlyWhileTheirSectionIsOpen) {
    const MainWindowState open = WithExpanded({S::ButtonAssignment});
    EXPECT_EQ(Press({121, 154}, open), (std::vector{PressAction{.kind = K::ButtonBox, .button = 1}}));
    EXPECT_EQ(Press({249, 309}, open), (std::vector{PressAction{.kind = K::ButtonBox, .button = 8}}));
    EXPECT_EQ(Press({119, 154}, open), std::vector<PressAction>{});
}

TEST(PressDispatch, APressOutsideTheOpenListsBoxAndListClosesIt) {
    MainWindowState state = WithExpanded({S::ButtonAssignment});
    state.openButtonList = 3;
    const PressAction close3{.kind = K::CloseButtonLists, .button = 3};
    EXPECT_EQ(Press({130, 200}, state), (std::vector{PressAction{.kind = K::ButtonBox, .button = 3}}));
    EXPECT_EQ(Press({300, 200}, state), std::vector<PressAction>{});  // on the list itself
    EXPECT_EQ(Press({130, 160}, state),
              (std::vector{close3, PressAction{.kind = K::ButtonBox, .button = 1}}));
    EXPECT_EQ(Press({500, 500}, state), (std::vector{close3}));
    EXPECT_EQ(Press({740, 500}, state), (std::vector{close3}));
    EXPECT_EQ(Press({500, 10}, state), (std::vector{close3, Act(K::DragWindow)}));
}

TEST(PressDispatch, WindowResetCollapsesEverythingAndKeepsTheDialogs) {
    MainWindowState state = WithExpanded({S::ButtonAssignment, S::Dpi, S::AngleSnap});
    state.layout.rightView = RightPanelView::Bottom;
    state.mouseView = MouseView::Side;
    state.openButtonList = 2;
    state.helpWindowOpen = true;
    state.profileManagerOpen = true;
    const MainWindowState reset = ResetWindowState(state);
    EXPECT_EQ(reset.layout.expanded, LayoutState{}.expanded);
    EXPECT_EQ(reset.layout.rightView, RightPanelView::Top);
    EXPECT_EQ(reset.mouseView, MouseView::Front);
    EXPECT_EQ(reset.openButtonList, std::nullopt);
    EXPECT_TRUE(reset.helpWindowOpen);
    EXPECT_TRUE(reset.profileManagerOpen);
}

TEST(PressDispatch, HoverFindsTheButtonsAndTheBoxesOfAnOpenSection) {
    struct Case {
        ClientPoint point;
        bool boxesOpen;
        HoverTarget expected;
    };
    const Case cases[] = {
        {{940, 10}, false, {HoverRegion::Help}},   {{960, 10}, false, {HoverRegion::Minimise}},
        {{980, 10}, false, {HoverRegion::Close}},  {{20, 610}, false, {HoverRegion::Config}},
        {{800, 610}, false, {HoverRegion::Reset}}, {{870, 610}, false, {HoverRegion::Cancel}},
        {{930, 610}, false, {HoverRegion::Save}},  {{130, 175}, true, {HoverRegion::ButtonBox, 2}},
        {{130, 175}, false, {HoverRegion::None}},  {{500, 300}, true, {HoverRegion::None}},
    };
    for (const Case& c : cases) {
        const MainWindowState state = c.boxesOpen ? WithExpanded({S::ButtonAssignment}) : MainWindowState{};
        EXPECT_EQ(HoverTargetAt(c.point, state), c.expected) << c.point.x << "," << c.point.y;
    }
}

TEST(PressDispatch, BodyPressesGoToTheirSectionsPageAndWindowActionsToNone) {
    const std::pair<PressAction, std::optional<Section>> cases[] = {
        {{.kind = K::BodyControls, .section = S::Lighting}, S::Lighting},
        {{.kind = K::BodySliders, .section = S::AngleSnap}, S::AngleSnap},
        {{.kind = K::ButtonBox, .button = 3}, S::ButtonAssignment},
        {{.kind = K::CloseButtonLists, .button = 3}, S::ButtonAssignment},
        {Toggle(S::Dpi), std::nullopt},
        {Act(K::Save), std::nullopt},
    };
    for (const auto& [action, section] : cases) EXPECT_EQ(PageSectionOf(action), section) << int(action.kind);
}

}  // namespace
}  // namespace ravix
