#include "win/editor/MainWindowPainter.h"

#include "core/editor/MousePicture.h"
#include "core/skin/SkinPaths.h"
#include "win/platform/PixelRects.h"
#include "win/platform/UniqueResources.h"
#include "win/skin/SkinImages.h"

namespace ravix::win {
namespace {

// A button of the title or bottom strip: its rectangle, its image's base name and the hover
// region that swaps the image.
struct StripButton {
    ClientRect rect;
    const wchar_t* image;
    HoverRegion region;
};

constexpr StripButton kStripButtons[] = {
    {kHelpButton, L"/button-help", HoverRegion::Help},
    {kMinimiseButton, L"/button-min", HoverRegion::Minimise},
    {kCloseButton, L"/button-close", HoverRegion::Close},
    {kConfigButton, L"/button-config", HoverRegion::Config},
    {kResetButton, L"/button-cancel", HoverRegion::Reset},
    {kCancelButton, L"/button-cancel", HoverRegion::Cancel},
    {kSaveButton, L"/button-save", HoverRegion::Save},
};

class Painter {
public:
    Painter(const SkinCanvas& canvas, const MainWindowPicture& picture)
        : m_canvas(canvas), m_dc(canvas.Dc()), m_picture(picture) {}

    void Image(std::wstring_view name, int x, int y) const { m_canvas.Image(name, x, y); }
    void Caption(const std::wstring& text, ClientRect rect, int indent = -1) const {
        m_canvas.Caption(text, rect, indent);
    }

    void Background() const {
        const HBITMAP background = m_picture.background;
        if (!background) return;
        BITMAP info{};
        GetObjectW(background, sizeof info, &info);
        const UniqueDc source(CreateCompatibleDC(m_dc));
        const SelectedObject selected(source.Get(), background);
        BitBlt(m_dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    }

    void StripButtons() const {
        for (const StripButton& button : kStripButtons) {
            const bool over = m_picture.hover.region == button.region;
            Image(StateImageName(button.image, over ? ImageState::Over : ImageState::Normal),
                  button.rect.left, button.rect.top);
        }
        const TextCatalogue& texts = m_picture.look.texts;
        Caption(texts.config, kConfigButton, kConfigCaptionIndent);
        Caption(texts.reset, kResetButton);
        Caption(texts.cancel, kCancelButton);
        Caption(texts.save, kSaveButton);
    }

    void MouseArea() const {
        const MainWindowState& state = m_picture.state;
        const MouseView view = state.mouseView;
        Image(L"/BK_MainMid.png", kMousePictureArea.left, kMousePictureArea.top);
        const bool front = view == MouseView::Front;
        Image(front ? L"/button-mouse-leave.png" : L"/button-mouse-normal.png", kFrontViewButton.left,
              kFrontViewButton.top);
        Image(front ? L"/button-mouse-normal.png" : L"/button-mouse-leave.png", kSideViewButton.left,
              kSideViewButton.top);
        Caption(m_picture.look.texts.front, kFrontViewButton);
        Caption(m_picture.look.texts.side, kSideViewButton);
        const ClientPoint origin = MousePictureOrigin(view);
        Image(MousePictureImageName(view), origin.x, origin.y);
        // The button whose list is open is highlighted; the others show their normal overlays.
        for (int button = 1; button <= 8; ++button) {
            const bool chosen = state.openButtonList == button;
            const ClientRect at = MouseOverlayRect(view, button);
            Image(MouseOverlayImageName(view, button, chosen ? ImageState::Over : ImageState::Normal),
                  at.left, at.top);
        }
    }

    void ScrollBar() const {
        const bool top = m_picture.state.layout.rightView == RightPanelView::Top;
        Image(top ? L"/Bar1.png" : L"/Bar3.png", kScrollBar.left, kScrollBar.top);
    }

    void Sections() const {
        for (std::size_t i = 0; i < kSectionCount; ++i) {
            const Section section = static_cast<Section>(i);
            const SectionPlacement& placement = m_picture.layout.Of(section);
            if (!placement.shown) continue;
            Image(HeaderImageName(section), placement.header.left, placement.header.top);
            Caption(SectionCaption(m_picture.look.texts, section), placement.header, kHeaderCaptionIndent);
            if (placement.body) Image(BodyImageName(section), placement.body->left, placement.body->top);
        }
        for (const auto& page : m_picture.pages)
            if (const auto& body = m_picture.layout.Of(page->PageSection()).body)
                page->Paint(m_canvas, *body, m_picture.hover);
    }

private:
    const SkinCanvas& m_canvas;
    HDC m_dc;
    const MainWindowPicture& m_picture;
};

}  // namespace

void SkinCanvas::Image(std::wstring_view name, int x, int y) const {
    DrawPng(m_dc, SkinImagePath(m_skinFolder, name), x, y);
}

void SkinCanvas::Caption(const std::wstring& text, ClientRect rect, int indent) const {
    RECT area = ToRect(rect);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (indent < 0) {
        format |= DT_CENTER;
    } else {
        area.left += indent;
    }
    DrawTextW(m_dc, text.c_str(), static_cast<int>(text.size()), &area, format);
}

const std::wstring& SectionCaption(const TextCatalogue& texts, Section section) {
    switch (section) {
        case Section::ButtonAssignment:
            return texts.buttonAssignmentTitle;
        case Section::MacroManager:
            return texts.macroManagerTitle;
        case Section::Sensitivity:
            return texts.sensitivityTitle;
        case Section::Dpi:
            return texts.dpiTitle;
        case Section::Lighting:
            return texts.lightingTitle;
        case Section::ReportRate:
            return texts.reportRateTitle;
        case Section::CursorSpeed:
            return texts.cursorSpeedTitle;
        case Section::DoubleClickSpeed:
            return texts.doubleClickSpeedTitle;
        case Section::ScrollSpeed:
            return texts.scrollSpeedTitle;
        case Section::AngleSnap:
            break;
    }
    return texts.angleSnapTitle;
}

void PaintMainWindow(HDC dc, const MainWindowPicture& picture) {
    const SkinCanvas canvas(dc, picture.look.skinFolder);
    const Painter painter(canvas, picture);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, picture.captionColour);
    const SelectedObject font(dc, picture.look.captionFont);
    painter.Background();
    painter.Image(L"/Logo.png", kLogo.left, kLogo.top);
    painter.StripButtons();
    painter.MouseArea();
    // The panels' backgrounds, under their sections.
    painter.Image(L"/BK_MainLeft.png", 20, 107);
    painter.Image(L"/BK_MainRight.png", 734, 32);
    painter.ScrollBar();
    painter.Sections();
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

}  // namespace ravix::win
