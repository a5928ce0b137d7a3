#pragma once

#include <cstdint>
#include <optional>

#include "core/editor/ClientGeometry.h"
#include "win/editor/SectionPage.h"

namespace ravix::win {

// The bodies that hold mostly pictures the window draws and presses it hit-tests: Lighting, USB
// Report Rate, Angle Snap, X/Y Sensitivity, and the two pointer dials. Each stores a press in the
// settings record at once and repaints only what the press changed.
class PicturePage : public SectionPage {
public:
    explicit PicturePage(PageContext& context) : m_context(context) {}
    void Place(const SectionPlacement& placement) override;
    void Refresh(const ProfileSettings&) override {}
    void CloseTransient() override {}

protected:
    static ClientPoint Origin(ClientRect body) { return {body.left, body.top}; }
    // The body a press fell in, while it is drawn; none otherwise.
    std::optional<ClientRect> BodyOf(const PressAction& action) const;
    std::optional<ClientRect> Body() const { return m_body; }
    // The body is drawn at a new place, or (none) not drawn: a page with controls moves, creates or
    // destroys them.
    virtual void PlaceControls(std::optional<ClientRect> body) { (void)body; }

    PageContext& m_context;

private:
    std::optional<ClientRect> m_body;
};

class LightingPage final : public PicturePage {
public:
    using PicturePage::PicturePage;
    Section PageSection() const override { return Section::Lighting; }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
};

class ReportRatePage final : public PicturePage {
public:
    using PicturePage::PicturePage;
    Section PageSection() const override { return Section::ReportRate; }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
};

class AngleSnapPage final : public PicturePage {
public:
    using PicturePage::PicturePage;
    Section PageSection() const override { return Section::AngleSnap; }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
};

class SensitivityPage final : public PicturePage {
public:
    using PicturePage::PicturePage;
    Section PageSection() const override { return Section::Sensitivity; }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;
};

// Cursor System Speed and Double Click Speed: the same half dial over different bytes.
class SpeedDialPage final : public PicturePage {
public:
    SpeedDialPage(PageContext& context, Section section, std::uint8_t ProfileSettings::*position)
        : PicturePage(context), m_section(section), m_position(position) {}
    Section PageSection() const override { return m_section; }
    void Paint(const SkinCanvas& canvas, ClientRect body, HoverTarget hover) const override;
    void Press(const PressAction& action) override;

private:
    Section m_section;
    std::uint8_t ProfileSettings::*m_position;
};

}  // namespace ravix::win
