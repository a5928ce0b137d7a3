#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "core/editor/ClientGeometry.h"

namespace ravix {

// The fixed regions of the main window.
inline constexpr ClientRect kTitleStrip{0, 0, 1000, 32};
inline constexpr ClientRect kBottomStrip{0, 598, 1000, 640};
inline constexpr ClientRect kLogo{20, 32, 262, 102};
inline constexpr ClientRect kHelpButton{937, 5, 952, 20};
inline constexpr ClientRect kMinimiseButton{958, 5, 973, 20};
inline constexpr ClientRect kCloseButton{979, 5, 994, 20};
inline constexpr ClientRect kConfigButton{18, 604, 90, 634};
inline constexpr ClientRect kResetButton{798, 604, 855, 634};
inline constexpr ClientRect kCancelButton{860, 604, 917, 634};
inline constexpr ClientRect kSaveButton{923, 604, 980, 634};
inline constexpr ClientRect kFrontViewButton{412, 527, 474, 556};
inline constexpr ClientRect kSideViewButton{475, 527, 537, 556};
inline constexpr ClientRect kMousePictureArea{262, 32, 734, 450};
inline constexpr ClientRect kScrollBar{984, 32, 991, 595};
// Where the thumb rests in the top view.
inline constexpr ClientRect kScrollThumbTop{984, 32, 991, 146};
inline constexpr int kScrollThumbControlId = 161;
// "Config" is drawn this far from its button's left edge; the other captions are centred.
inline constexpr int kConfigCaptionIndent = 25;
// Section captions are drawn this far from their header's left edge.
inline constexpr int kHeaderCaptionIndent = 10;

// The sections of both panels, the left panel's first.
enum class Section {
    ButtonAssignment,
    MacroManager,
    Sensitivity,
    Dpi,
    Lighting,
    ReportRate,
    CursorSpeed,
    DoubleClickSpeed,
    ScrollSpeed,
    AngleSnap,
};
inline constexpr std::size_t kSectionCount = 10;

enum class RightPanelView { Top, Bottom };
enum class MouseView { Front, Side };

// Where each section sits. The macro manager has no body: its header opens a dialog.
bool IsRightPanelSection(Section section);
std::wstring_view HeaderImageName(Section section);
// Empty for the macro manager.
std::wstring_view BodyImageName(Section section);

// Each body is as tall as its body image; the window measures them when it loads the skin.
using BodyHeights = std::array<int, kSectionCount>;
// The heights of the body images as the skin catalogue gives them.
BodyHeights CatalogueBodyHeights();
// The heights of the active skin's body images, from the height of each image by name. An image
// the skin lacks (height 0) keeps the catalogue's height, so the panels stay laid out.
BodyHeights MeasuredBodyHeights(const std::function<int(std::wstring_view imageName)>& heightOf);

// What the layout depends on.
struct LayoutState {
    std::array<bool, kSectionCount> expanded{};  // the macro manager's flag is never set
    RightPanelView rightView = RightPanelView::Top;

    bool IsExpanded(Section section) const { return expanded[static_cast<std::size_t>(section)]; }
    // Opens a closed section or closes an open one; returns whether it is open now.
    bool Toggle(Section section) {
        bool& open = expanded[static_cast<std::size_t>(section)];
        open = !open;
        return open;
    }
};

struct SectionPlacement {
    bool shown = false;              // a hidden header is neither drawn nor answers a press
    ClientRect header;               // meaningful only while shown
    std::optional<ClientRect> body;  // while shown and expanded
};

struct MainWindowLayout {
    std::array<SectionPlacement, kSectionCount> sections;

    const SectionPlacement& Of(Section section) const { return sections[static_cast<std::size_t>(section)]; }
};

// Stacks the headers of both panels: each follows the previous one 5 pixels below its header or,
// when expanded, its body. The right panel shows the sections of its current view.
MainWindowLayout LayOutMainWindow(const LayoutState& state, const BodyHeights& heights);

// The shown section whose header contains the point.
std::optional<Section> HeaderAt(const MainWindowLayout& layout, ClientPoint point);

// A press on the scroll bar chooses the top view above the bar's middle and the bottom view at or
// below it; none when the press is off the bar or would not change the view.
std::optional<RightPanelView> ScrollBarViewSwitch(ClientPoint point, RightPanelView current);

// The thumb dropped with its top edge at thumbTop: none while fewer than two right-panel sections
// are expanded or when the view would not change.
std::optional<RightPanelView> ThumbViewSwitch(int thumbTop, const LayoutState& state);

}  // namespace ravix
