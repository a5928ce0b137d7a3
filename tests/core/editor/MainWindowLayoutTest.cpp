#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>

#include "core/editor/MainWindowLayout.h"
#include "core/skin/SkinCatalogue.h"

namespace ravix {
namespace {

using S = Section;

LayoutState Expanded(std::initializer_list<Section> sections, RightPanelView view = RightPanelView::Top) {
    LayoutState state;
    state.rightView = view;
    for (Section s : sections) state.expanded[static_cast<std::size_t>(s)] = true;
    return state;
}

MainWindowLayout Lay(const LayoutState& state) {
    return LayOutMainWindow(state, CatalogueBodyHeights());
}

// The tops of the shown right-panel headers; hidden sections are absent.
std::map<Section, int> RightHeaderTops(const MainWindowLayout& layout) {
    std::map<Section, int> tops;
    for (std::size_t i = static_cast<std::size_t>(S::Dpi); i < kSectionCount; ++i)
        if (layout.sections[i].shown) tops[static_cast<Section>(i)] = layout.sections[i].header.top;
    return tops;
}

TEST(MainWindowLayout, AllCollapsedGivesTheInitialHeaderRectangles) {
    const MainWindowLayout layout = Lay(LayoutState{});
    const std::pair<Section, ClientRect> cases[] = {
        {S::ButtonAssignment, {20, 107, 262, 127}}, {S::MacroManager, {20, 132, 262, 170}},
        {S::Sensitivity, {20, 175, 262, 195}},      {S::Dpi, {734, 32, 976, 52}},
        {S::Lighting, {734, 57, 976, 77}},          {S::ReportRate, {734, 82, 976, 102}},
        {S::CursorSpeed, {734, 107, 976, 127}},     {S::DoubleClickSpeed, {734, 132, 976, 152}},
        {S::ScrollSpeed, {734, 157, 976, 177}},     {S::AngleSnap, {734, 182, 976, 202}},
    };
    for (const auto& [section, rect] : cases) {
        SCOPED_TRACE(static_cast<int>(section));
        EXPECT_TRUE(layout.Of(section).shown);
        EXPECT_EQ(layout.Of(section).header, rect);
        EXPECT_FALSE(layout.Of(section).body);
    }
}

TEST(MainWindowLayout, LeftPanelStacksBelowExpandedBodies) {
    struct Case {
        std::initializer_list<Section> expanded;
        int macroTop, sensitivityTop;
    };
    // Button Assignment's body is 193 high, X/Y Sensitivity's 130.
    const Case cases[] = {
        {{S::ButtonAssignment}, 325, 368},
        {{S::Sensitivity}, 132, 175},
        {{S::ButtonAssignment, S::Sensitivity}, 325, 368},
    };
    for (const Case& c : cases) {
        const MainWindowLayout layout = Lay(Expanded(c.expanded));
        EXPECT_EQ(layout.Of(S::MacroManager).header, (ClientRect{20, c.macroTop, 262, c.macroTop + 38}));
        EXPECT_EQ(layout.Of(S::Sensitivity).header.top, c.sensitivityTop);
    }
    const MainWindowLayout both = Lay(Expanded({S::ButtonAssignment, S::Sensitivity}));
    EXPECT_EQ(both.Of(S::ButtonAssignment).body, (ClientRect{20, 127, 262, 320}));
    EXPECT_EQ(both.Of(S::Sensitivity).body, (ClientRect{20, 388, 262, 518}));
}

TEST(MainWindowLayout, TopViewPlacesRightHeadersByTheExpandedSections) {
    struct Case {
        const char* name;
        std::initializer_list<Section> expanded;
        std::map<Section, int> tops;
    };
    // Bodies: DPI 228, Lighting 108, report rate 140, cursor and double click 113, scroll 72, angle 135.
    const Case cases[] = {
        {"dpi",
         {S::Dpi},
         {{S::Dpi, 32},
          {S::Lighting, 285},
          {S::ReportRate, 310},
          {S::CursorSpeed, 335},
          {S::DoubleClickSpeed, 360},
          {S::ScrollSpeed, 385},
          {S::AngleSnap, 410}}},
        {"dpi and report rate hide the four lower headers",
         {S::Dpi, S::ReportRate},
         {{S::Dpi, 32}, {S::Lighting, 285}, {S::ReportRate, 310}}},
        {"all three upper",
         {S::Dpi, S::Lighting, S::ReportRate},
         {{S::Dpi, 32}, {S::Lighting, 285}, {S::ReportRate, 418}}},
        {"dpi and cursor speed stop after cursor speed",
         {S::Dpi, S::CursorSpeed},
         {{S::Dpi, 32}, {S::Lighting, 285}, {S::ReportRate, 310}, {S::CursorSpeed, 335}}},
        {"three expanded stop the stacking",
         {S::Lighting, S::CursorSpeed, S::DoubleClickSpeed},
         {{S::Dpi, 32},
          {S::Lighting, 57},
          {S::ReportRate, 190},
          {S::CursorSpeed, 215},
          {S::DoubleClickSpeed, 353}}},
        {"two lower sections leave room for angle snap",
         {S::CursorSpeed, S::ScrollSpeed},
         {{S::Dpi, 32},
          {S::Lighting, 57},
          {S::ReportRate, 82},
          {S::CursorSpeed, 107},
          {S::DoubleClickSpeed, 245},
          {S::ScrollSpeed, 270},
          {S::AngleSnap, 367}}},
        {"two expanded with report rate drop angle snap",
         {S::ReportRate, S::ScrollSpeed},
         {{S::Dpi, 32},
          {S::Lighting, 57},
          {S::ReportRate, 82},
          {S::CursorSpeed, 247},
          {S::DoubleClickSpeed, 272},
          {S::ScrollSpeed, 297}}},
        {"dpi, lighting and a lower section: cursor speed's header is the last",
         {S::Dpi, S::Lighting, S::DoubleClickSpeed},
         {{S::Dpi, 32}, {S::Lighting, 285}, {S::ReportRate, 418}, {S::CursorSpeed, 443}}},
        {"lighting, report rate and angle snap: three headers shown, angle snap not",
         {S::Lighting, S::ReportRate, S::AngleSnap},
         {{S::Dpi, 32},
          {S::Lighting, 57},
          {S::ReportRate, 190},
          {S::CursorSpeed, 355},
          {S::DoubleClickSpeed, 380},
          {S::ScrollSpeed, 405}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RightHeaderTops(Lay(Expanded(c.expanded))), c.tops);
    }
}

TEST(MainWindowLayout, BottomViewShowsOnlyTheFourLowerSectionsFromThePanelTop) {
    struct Case {
        std::initializer_list<Section> expanded;
        std::map<Section, int> tops;
    };
    const Case cases[] = {
        {{S::Dpi, S::ReportRate},
         {{S::CursorSpeed, 32}, {S::DoubleClickSpeed, 57}, {S::ScrollSpeed, 82}, {S::AngleSnap, 107}}},
        {{S::CursorSpeed, S::DoubleClickSpeed, S::ScrollSpeed, S::AngleSnap},
         {{S::CursorSpeed, 32}, {S::DoubleClickSpeed, 170}, {S::ScrollSpeed, 308}, {S::AngleSnap, 405}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RightHeaderTops(Lay(Expanded(c.expanded, RightPanelView::Bottom))), c.tops);
}

TEST(MainWindowLayout, HeadersHiddenInTheTopViewAreReachableInTheBottomView) {
    const LayoutState top = Expanded({S::Dpi, S::ReportRate});
    LayoutState bottom = top;
    bottom.rightView = RightPanelView::Bottom;
    // Where Angle Snap's header lies in the bottom view is inside the DPI body in the top view.
    const ClientPoint angleSnapHeader{800, 110};
    EXPECT_EQ(HeaderAt(Lay(top), angleSnapHeader), std::nullopt);
    EXPECT_EQ(HeaderAt(Lay(bottom), angleSnapHeader), S::AngleSnap);
    // Below the report-rate body nothing answers in the top view.
    EXPECT_EQ(HeaderAt(Lay(top), {800, 480}), std::nullopt);
    EXPECT_EQ(HeaderAt(Lay(top), {800, 315}), S::ReportRate);
}

TEST(MainWindowLayout, EveryShownSectionIsHitTestableAndNothingHiddenIs) {
    // Cursor System Speed's header with DPI Setting, Lighting and Double Click Speed open is drawn
    // and answers; the sections after it answer nowhere.
    const MainWindowLayout layout = Lay(Expanded({S::Dpi, S::Lighting, S::DoubleClickSpeed}));
    EXPECT_EQ(HeaderAt(layout, {740, 450}), S::CursorSpeed);
    for (int y = 464; y < 595; ++y) ASSERT_EQ(HeaderAt(layout, {800, y}), std::nullopt) << y;
}

TEST(MainWindowLayout, EveryCombinationFitsAboveTheBottomStrip) {
    for (unsigned mask = 0; mask < (1u << 7); ++mask) {
        for (RightPanelView view : {RightPanelView::Top, RightPanelView::Bottom}) {
            LayoutState state;
            state.rightView = view;
            for (std::size_t bit = 0; bit < 7; ++bit)
                state.expanded[static_cast<std::size_t>(S::Dpi) + bit] = (mask >> bit) & 1u;
            const MainWindowLayout layout = Lay(state);
            for (std::size_t i = static_cast<std::size_t>(S::Dpi); i < kSectionCount; ++i) {
                const SectionPlacement& p = layout.sections[i];
                if (!p.shown) continue;
                const int bottom = p.body ? p.body->bottom : p.header.bottom;
                EXPECT_LE(bottom, 595) << "mask " << mask << " section " << i;
            }
        }
    }
}

TEST(MainWindowLayout, ScrollBarPressSwitchesOnlyWhenTheViewChanges) {
    struct Case {
        ClientPoint point;
        RightPanelView current;
        std::optional<RightPanelView> expected;
    };
    const Case cases[] = {
        {{985, 40}, RightPanelView::Bottom, RightPanelView::Top},
        {{985, 312}, RightPanelView::Bottom, RightPanelView::Top},
        {{985, 313}, RightPanelView::Top, RightPanelView::Bottom},
        {{990, 594}, RightPanelView::Top, RightPanelView::Bottom},
        {{985, 500}, RightPanelView::Bottom, std::nullopt},
        {{985, 40}, RightPanelView::Top, std::nullopt},
        {{983, 500}, RightPanelView::Top, std::nullopt},
        {{985, 595}, RightPanelView::Top, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollBarViewSwitch(c.point, c.current), c.expected) << c.point.x << "," << c.point.y;
}

TEST(MainWindowLayout, ThumbDropSwitchesViewsOnlyWithTwoExpandedSections) {
    struct Case {
        LayoutState state;
        int thumbTop;
        std::optional<RightPanelView> expected;
    };
    const Case cases[] = {
        {Expanded({S::Dpi}), 500, std::nullopt},
        {Expanded({S::Dpi, S::ButtonAssignment, S::Sensitivity}), 500, std::nullopt},
        {Expanded({S::Dpi, S::ReportRate}), 500, RightPanelView::Bottom},
        {Expanded({S::Dpi, S::ReportRate}), 32 + 281, RightPanelView::Bottom},
        {Expanded({S::Dpi, S::ReportRate}), 32 + 280, std::nullopt},
        {Expanded({S::Dpi, S::ReportRate}, RightPanelView::Bottom), 32 + 280, RightPanelView::Top},
        {Expanded({S::Dpi, S::ReportRate}, RightPanelView::Bottom), 400, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ThumbViewSwitch(c.thumbTop, c.state), c.expected) << c.thumbTop;
}

}  // namespace
}  // namespace ravix

namespace ravix {
namespace {

TEST(MainWindowLayout, BodyHeightsComeFromTheActiveSkinsImages) {
    // A skin whose bodies are all 10 pixels taller, except Lighting's, which it lacks.
    const BodyHeights catalogue = CatalogueBodyHeights();
    const BodyHeights measured = MeasuredBodyHeights([](std::wstring_view name) {
        if (name == L"/Lighting/BK_Lighting.png") return 0;
        return SkinImageSizeOf(name).height + 10;
    });
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        const auto section = static_cast<Section>(i);
        SCOPED_TRACE(i);
        const int expected = section == Section::MacroManager ? 0
                             : section == Section::Lighting   ? catalogue[i]
                                                              : catalogue[i] + 10;
        EXPECT_EQ(measured[i], expected);
    }
    LayoutState state;
    state.expanded[static_cast<std::size_t>(Section::Dpi)] = true;
    EXPECT_EQ(LayOutMainWindow(state, measured).Of(Section::Lighting).header.top, 52 + 238 + 5);
}

}  // namespace
}  // namespace ravix
