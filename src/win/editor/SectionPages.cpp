#include "win/editor/ButtonAssignmentPage.h"
#include "win/editor/DpiPage.h"
#include "win/editor/ScrollSpeedPage.h"
#include "win/editor/SectionPage.h"
#include "win/editor/SensorPages.h"

namespace ravix::win {

SectionPages MakeSectionPages(PageContext& context) {
    SectionPages pages;
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

}  // namespace ravix::win
