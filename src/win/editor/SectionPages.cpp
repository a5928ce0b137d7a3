#include "win/editor/ButtonAssignmentPage.h"
#include "win/editor/DpiPage.h"
#include "win/editor/ScrollSpeedPage.h"
#include "win/editor/SectionPages.h"
#include "win/editor/SensorPages.h"

namespace ravix::win {

PageList MakeSectionPages(PageContext& context) {
    PageList pages;
    pages.push_back(std::make_unique<ButtonAssignmentPage>(context));
    pages.push_back(std::make_unique<DpiPage>(context));
    pages.push_back(std::make_unique<LightingPage>(context));
    pages.push_back(std::make_unique<ReportRatePage>(context));
    pages.push_back(std::make_unique<AngleSnapPage>(context));
    pages.push_back(std::make_unique<SensitivityPage>(context));
    pages.push_back(std::make_unique<SpeedDialPage>(context, Section::CursorSpeed, &ProfileSettings::pointerSpeed));
    pages.push_back(
        std::make_unique<SpeedDialPage>(context, Section::DoubleClickSpeed, &ProfileSettings::doubleClickSpeed));
    pages.push_back(std::make_unique<ScrollSpeedPage>(context));
    return pages;
}

void SectionPages::Show(const ProfileSettings& settings, bool replaced) {
    if (replaced) CloseTransient();
    for (const auto& page : m_pages) page->Refresh(settings);
}

void SectionPages::CloseTransient() {
    for (const auto& page : m_pages) page->CloseTransient();
}

void SectionPages::Toggle(Section section, bool expanded) {
    for (const auto& page : m_pages) {
        if (page->PageSection() != section) continue;
        if (expanded)
            page->Expand();
        else
            page->Collapse();
    }
}

void SectionPages::CollapseAll(const MainWindowState& state) {
    for (const auto& page : m_pages) {
        page->CloseTransient();
        if (state.layout.IsExpanded(page->PageSection())) page->Collapse();
    }
}

void SectionPages::Place(const MainWindowLayout& layout) {
    for (const auto& page : m_pages) page->Place(layout.Of(page->PageSection()));
}

bool SectionPages::Press(const PressAction& action) {
    const std::optional<Section> section = PageSectionOf(action);
    if (!section) return false;
    for (const auto& page : m_pages)
        if (page->PageSection() == *section) page->Press(action);
    return true;
}

bool SectionPages::PreTranslate(const MSG& msg) {
    for (const auto& page : m_pages)
        if (page->PreTranslate(msg)) return true;
    return false;
}

void SectionPages::AppendHandlers(std::vector<MessageHandler*>& handlers) const {
    for (const auto& page : m_pages) handlers.push_back(page.get());
}

}  // namespace ravix::win
