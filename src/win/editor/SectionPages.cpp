#include "win/editor/ButtonAssignmentPage.h"
#include "win/editor/SectionPage.h"

namespace ravix::win {

SectionPages MakeSectionPages(PageContext& context) {
    SectionPages pages;
    pages.push_back(std::make_unique<ButtonAssignmentPage>(context));
    return pages;
}

}  // namespace ravix::win
