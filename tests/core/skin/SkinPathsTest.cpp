#include <gtest/gtest.h>

#include "core/skin/SkinPaths.h"

namespace ravix {
namespace {

TEST(SkinPaths, ImageNamesAreAppendedToTheFolderAsTheyAre) {
    const std::wstring exe = L"C:\\Games\\Velmar\\Velmar Ravix Driver.exe";
    EXPECT_EQ(SkinImagePath(SkinFolderOf(exe, L"Default"), L"/main.png"),
              L"C:\\Games\\Velmar\\Skins/Default/main.png");
    // An empty skin name makes the "Skins" folder itself the skin folder.
    EXPECT_EQ(SkinImagePath(SkinFolderOf(exe, L""), L"/main.png"), L"C:\\Games\\Velmar\\Skins//main.png");
}

TEST(SkinPaths, StateAndNumberedNames) {
    EXPECT_EQ(StateImageName(L"/button-save", ImageState::Normal), L"/button-save-normal.png");
    EXPECT_EQ(StateImageName(L"/button-save", ImageState::Over), L"/button-save-over.png");
    EXPECT_EQ(StateImageName(L"/button-mouse", ImageState::Leave), L"/button-mouse-leave.png");
    EXPECT_EQ(NumberedImageName(L"/DPISetting/DPIStage/%d.png", 100), L"/DPISetting/DPIStage/100.png");
    EXPECT_EQ(NumberedImageName(L"/Lighting/%d.png", 0), L"/Lighting/0.png");
}

TEST(SkinPaths, ReportRateFamilyIsNamedByHertz) {
    struct Case {
        int code;
        const wchar_t* name;  // null: no picture
    } cases[] = {
        {1, L"/USBReportRate/1000HZ.png"}, {2, L"/USBReportRate/500HZ.png"}, {4, L"/USBReportRate/250HZ.png"},
        {8, L"/USBReportRate/125HZ.png"},  {0, nullptr},                     {3, nullptr},
        {16, nullptr},                     {-1, nullptr},
    };
    for (const Case& c : cases) {
        const auto name = ReportRateImageName(c.code);
        if (c.name) {
            ASSERT_TRUE(name) << c.code;
            EXPECT_EQ(*name, c.name);
        } else {
            EXPECT_FALSE(name) << c.code;
        }
    }
}

TEST(SkinPaths, CaptionColourIsAColourRefWithRedInTheLowByte) {
    EXPECT_EQ(ColourRefOf(SkinTextColourOf({L"", L"300", L"green", L"255"})), 0xFF002Cu);
    EXPECT_EQ(ColourRefOf({0x12, 0x34, 0x56}), 0x563412u);
}

}  // namespace
}  // namespace ravix
