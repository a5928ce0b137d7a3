#include "core/editor/MainWindowLayout.h"

#include "core/skin/SkinCatalogue.h"

namespace ravix {

namespace {

constexpr int kHeaderGap = 5;
constexpr int kHeaderWidth = 242;
constexpr int kHeaderHeight = 20;
constexpr int kMacroHeaderHeight = 38;
constexpr ClientPoint kLeftPanelTop{20, 107};
constexpr ClientPoint kRightPanelTop{734, 32};

std::size_t IndexOf(Section section) {
    return static_cast<std::size_t>(section);
}

int HeaderHeight(Section section) {
    return section == Section::MacroManager ? kMacroHeaderHeight : kHeaderHeight;
}

// Which right-panel sections the top view shows. Sections are dropped where their expanded bodies
// would run past the panel.
std::array<bool, kSectionCount> TopViewPlaced(const LayoutState& state) {
    auto ex = [&](Section s) { return state.IsExpanded(s); };
    std::array<bool, kSectionCount> placed{};
    auto place = [&](Section s) { placed[IndexOf(s)] = true; };
    const bool dpi = ex(Section::Dpi), lighting = ex(Section::Lighting), rate = ex(Section::ReportRate);
    place(Section::Dpi);
    place(Section::Lighting);
    place(Section::ReportRate);
    int n = int(dpi) + int(lighting) + int(rate);
    if ((dpi && lighting && rate) || (dpi && rate)) return placed;
    place(Section::CursorSpeed);
    n += int(ex(Section::CursorSpeed));
    // DPI Setting and Lighting open leave room for Cursor System Speed's header only once a
    // section below it is open too.
    const bool lowerOpen =
        ex(Section::DoubleClickSpeed) || ex(Section::ScrollSpeed) || ex(Section::AngleSnap);
    if (dpi && lighting && !rate && lowerOpen) return placed;
    if (n >= 3 || (dpi && ex(Section::CursorSpeed))) return placed;
    place(Section::DoubleClickSpeed);
    n += int(ex(Section::DoubleClickSpeed));
    if (n >= 3 || (dpi && ex(Section::DoubleClickSpeed))) return placed;
    place(Section::ScrollSpeed);
    n += int(ex(Section::ScrollSpeed));
    if (n < 2 || (n == 2 && !dpi && !rate)) place(Section::AngleSnap);
    return placed;
}

std::array<bool, kSectionCount> BottomViewPlaced() {
    std::array<bool, kSectionCount> placed{};
    for (Section s :
         {Section::CursorSpeed, Section::DoubleClickSpeed, Section::ScrollSpeed, Section::AngleSnap})
        placed[IndexOf(s)] = true;
    return placed;
}

// Stacks the placed sections of [first, last] from the panel's top corner.
void Stack(MainWindowLayout& layout, Section first, Section last, ClientPoint corner,
           const std::array<bool, kSectionCount>& placed, const LayoutState& state,
           const BodyHeights& heights) {
    int top = corner.y;
    for (std::size_t i = IndexOf(first); i <= IndexOf(last); ++i) {
        if (!placed[i]) continue;
        const auto section = static_cast<Section>(i);
        SectionPlacement& p = layout.sections[i];
        p.shown = true;
        p.header = {corner.x, top, corner.x + kHeaderWidth, top + HeaderHeight(section)};
        int next = p.header.bottom;
        if (state.expanded[i] && section != Section::MacroManager) {
            p.body = ClientRect{corner.x, next, corner.x + kHeaderWidth, next + heights[i]};
            next = p.body->bottom;
        }
        top = next + kHeaderGap;
    }
}

}  // namespace

bool IsRightPanelSection(Section section) {
    return IndexOf(section) >= IndexOf(Section::Dpi);
}

std::wstring_view HeaderImageName(Section section) {
    return section == Section::MacroManager ? L"/MacroManagementBK.png" : L"/ItemBK.png";
}

std::wstring_view BodyImageName(Section section) {
    switch (section) {
        case Section::ButtonAssignment:
            return L"/ButtonAssignment/BK_ButtonAssignment.png";
        case Section::MacroManager:
            return L"";
        case Section::Sensitivity:
            return L"/XYSensitivity/BK_XYSensSetting.png";
        case Section::Dpi:
            return L"/DPISetting/BK_DPISetting.png";
        case Section::Lighting:
            return L"/Lighting/BK_Lighting.png";
        case Section::ReportRate:
            return L"/USBReportRate/BK_USBReportRate.png";
        case Section::CursorSpeed:
        case Section::DoubleClickSpeed:
            return L"/MouseAttribute/BK_MouseAttribute.png";
        case Section::ScrollSpeed:
            return L"/MouseAttribute/BK_ScrollSpeed.png";
        case Section::AngleSnap:
            return L"/AngleSnap/BK_AngleSnap.png";
    }
    return L"";
}

BodyHeights CatalogueBodyHeights() {
    BodyHeights heights{};
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        const std::wstring_view name = BodyImageName(static_cast<Section>(i));
        if (!name.empty()) heights[i] = SkinImageSizeOf(name).height;
    }
    return heights;
}

BodyHeights MeasuredBodyHeights(const std::function<int(std::wstring_view imageName)>& heightOf) {
    BodyHeights heights = CatalogueBodyHeights();
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        const std::wstring_view name = BodyImageName(static_cast<Section>(i));
        if (name.empty()) continue;
        if (const int measured = heightOf(name); measured > 0) heights[i] = measured;
    }
    return heights;
}

MainWindowLayout LayOutMainWindow(const LayoutState& state, const BodyHeights& heights) {
    MainWindowLayout layout;
    std::array<bool, kSectionCount> leftPlaced{};
    leftPlaced.fill(true);
    Stack(layout, Section::ButtonAssignment, Section::Sensitivity, kLeftPanelTop, leftPlaced, state, heights);
    const auto rightPlaced =
        state.rightView == RightPanelView::Top ? TopViewPlaced(state) : BottomViewPlaced();
    Stack(layout, Section::Dpi, Section::AngleSnap, kRightPanelTop, rightPlaced, state, heights);
    return layout;
}

std::optional<Section> HeaderAt(const MainWindowLayout& layout, ClientPoint point) {
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        const SectionPlacement& p = layout.sections[i];
        if (p.shown && p.header.Contains(point)) return static_cast<Section>(i);
    }
    return std::nullopt;
}

namespace {
constexpr int kScrollBarMiddle = kScrollBar.top + kScrollBar.Height() / 2;
}

std::optional<RightPanelView> ScrollBarViewSwitch(ClientPoint point, RightPanelView current) {
    if (!kScrollBar.Contains(point)) return std::nullopt;
    const RightPanelView wanted = point.y < kScrollBarMiddle ? RightPanelView::Top : RightPanelView::Bottom;
    if (wanted == current) return std::nullopt;
    return wanted;
}

std::optional<RightPanelView> ThumbViewSwitch(int thumbTop, const LayoutState& state) {
    int expandedRight = 0;
    for (std::size_t i = IndexOf(Section::Dpi); i < kSectionCount; ++i)
        expandedRight += int(state.expanded[i]);
    if (expandedRight < 2) return std::nullopt;
    const RightPanelView wanted =
        thumbTop - kScrollBar.top < kScrollBar.Height() / 2 ? RightPanelView::Top : RightPanelView::Bottom;
    if (wanted == state.rightView) return std::nullopt;
    return wanted;
}

}  // namespace ravix
