#pragma once

#include <windows.h>

#include <vector>

#include "core/editor/MainWindowLayout.h"
#include "core/editor/PressDispatch.h"
#include "core/store/ProfileSettings.h"
#include "win/editor/SectionPage.h"

namespace ravix::win {

// The main window's section pages, taken through the window's moments together: the window says
// what happened (a record to show, a section toggled, a new layout, a press) and the collection
// tells each page concerned.
class SectionPages {
public:
    explicit SectionPages(PageContext& context) : m_pages(MakeSectionPages(context)) {}

    auto begin() const { return m_pages.begin(); }
    auto end() const { return m_pages.end(); }

    // Every page shows `settings`. With `replaced`, the record took the place of the one shown
    // (a reload, an import, Reset, Cancel) and what was open on the old one closes first.
    void Show(const ProfileSettings& settings, bool replaced = false);
    // Shows the profile for the first time, once its first-run labels are in place.
    void Fill(const ProfileSettings& settings) {
        Show(settings);
        m_filled = true;
    }
    // Whether the pages were filled: until then a record shown was one nobody has seen.
    bool Filled() const { return m_filled; }

    void CloseTransient();
    // The section's page creates its controls (expanded) or destroys them.
    void Toggle(Section section, bool expanded);
    // Every expanded page collapses, as at the window's start.
    void CollapseAll(const MainWindowState& state);
    // The stacking moves the bodies whenever a section opens or closes or the right panel scrolls.
    void Place(const MainWindowLayout& layout);
    // Hands a press to the page of its section; false when it belongs to no page.
    bool Press(const PressAction& action);
    // Offers a message to every page before dispatch; true when one swallowed it.
    bool PreTranslate(const MSG& msg);
    // The pages, to be offered the window's messages after its own table.
    void AppendHandlers(std::vector<MessageHandler*>& handlers) const;

private:
    PageList m_pages;
    bool m_filled = false;
};

}  // namespace ravix::win
