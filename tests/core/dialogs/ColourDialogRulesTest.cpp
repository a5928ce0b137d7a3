#include <gtest/gtest.h>

#include <filesystem>

#include "core/dialogs/ColourDialogRules.h"
#include "core/dialogs/ColourSelectSkin.h"
#include "core/dialogs/HelpWindow.h"
#include "core/platform/PortableIniFile.h"

namespace ravix {
namespace {

TEST(ColourDialog, ReadoutAndChannelEdits) {
    EXPECT_EQ(HexReadout(MakeColour(0, 255, 128)), L"00FF80");
    EXPECT_EQ(HexReadout(0x0000FF), L"FF0000");
    EXPECT_EQ(WithChannel(0x000000, 300, kBlueFieldId), MakeColour(0, 0, 300 & 0xFF));
    EXPECT_EQ(WithChannel(0x123456, 0xAB, kRedFieldId), 0x1234AB);
    EXPECT_EQ(WithChannel(0x123456, 0xAB, kGreenFieldId), 0x12AB56);
    EXPECT_EQ(WithChannel(0x123456, 0xAB, 404), 0x123456);
    const std::array<std::uint8_t, 3> rbg{0x11, 0x22, 0x33};
    EXPECT_EQ(ColourOfStageBytes(rbg), MakeColour(0x11, 0x33, 0x22));
    EXPECT_EQ(StageBytesOfColour(ColourOfStageBytes(rbg)), rbg);
}

TEST(ColourSelectSkin, PlacementsParseOrComeOutEmpty) {
    struct Case {
        const wchar_t* value;
        PixelRect rect;
        bool faulty;
    };
    const std::wstring longName(40, L'n'), longLabel(100, L'l');
    const std::wstring tooLongName = longName + L",1,2,3,4,x", tooLongLabel = L"a,1,2,3,4," + longLabel;
    const Case cases[] = {
        {L"Plane,24,64,200,200,Colour plane", {24, 64, 224, 264}, false},
        {L"Plane, 24 , 64,200,200", {0, 0, 0, 0}, true},  // "%d," wants the comma at once
        {L"Plane,24,64,200,200", {24, 64, 224, 264}, false},
        {L"Plane,-5,3,10,10,x", {-5, 3, 5, 13}, false},
        {L"", {}, true},
        {L"Plane", {}, true},
        {L"Plane,1,2,3", {}, true},
        {L"Plane,a,b,c,d,label", {}, true},
        {L"Plane,1,2,0,5,empty", {}, true},
        {L"Plane,1,2,-3,5,negative", {}, true},
        {L"Plane,1,2,99999999999999999999,5,huge", {}, true},
        {L"Plane,32000,2,1000,5,beyond", {}, true},
        {tooLongName.c_str(), {1, 2, 4, 6}, true},
        {tooLongLabel.c_str(), {1, 2, 4, 6}, true},
    };
    for (const auto& c : cases) {
        const ControlPlacement p = ParsePlacement(c.value);
        EXPECT_EQ(p.rect, c.rect) << std::wstring(c.value).substr(0, 40).c_str();
        EXPECT_EQ(p.faulty, c.faulty) << std::wstring(c.value).substr(0, 40).c_str();
    }
}

TEST(ColourSelectSkin, DescriptionGivesSheetsAndPlacementsAndFlagsWhatIsMissing) {
    PortableIniFile ini;
    const std::string narrowFolder = testing::TempDir() + "colour-skin";
    std::filesystem::create_directories(narrowFolder);
    const std::wstring folder(narrowFolder.begin(), narrowFolder.end());
    const std::wstring file = folder + L"/skin_Color_Select.ini";
    ASSERT_TRUE(ini.WriteString(file, L"SCREEN", L"Mask", L"ColorSelect/Mask.bmp"));
    for (const wchar_t* key : {L"Normal", L"Over", L"Down", L"Disable"})
        ASSERT_TRUE(ini.WriteString(file, L"SCREEN", key, std::wstring(L"ColorSelect/") + key + L".bmp"));
    for (int i = 1; i <= 15; ++i)
        ASSERT_TRUE(ini.WriteString(file, L"BUTTONPOS", std::to_wstring(i), L"c," + std::to_wstring(i) + L",2,3,4,x"));
    ColourSelectSkin skin = ReadColourSelectSkin(ini, folder);
    EXPECT_FALSE(skin.faulty);
    EXPECT_EQ(skin.sheetPaths[1], folder + L"/ColorSelect/Normal.bmp");
    EXPECT_EQ(skin.placements[14], (PixelRect{15, 2, 18, 6}));

    ASSERT_TRUE(ini.WriteString(file, L"BUTTONPOS", L"2", L"strip,,,,"));
    ASSERT_TRUE(ini.WriteString(file, L"SCREEN", L"Over", L""));
    skin = ReadColourSelectSkin(ini, folder);
    EXPECT_TRUE(skin.faulty);
    EXPECT_EQ(skin.sheetPaths[2], L"");
    EXPECT_EQ(skin.placements[1], PixelRect{});

    const ColourSelectSkin none = ReadColourSelectSkin(ini, folder + L"/nowhere");
    EXPECT_TRUE(none.faulty);
    for (const PixelRect& r : none.placements) EXPECT_TRUE(r.Empty());
}

TEST(HelpWindow, RegionsAndUpdaterPaths) {
    struct Case {
        PixelPoint point;
        HelpRegion region;
    };
    const Case cases[] = {{{0, 0}, HelpRegion::WebSite},   {{165, 24}, HelpRegion::WebSite}, {{10, 25}, HelpRegion::None},
                          {{10, 30}, HelpRegion::Update},   {{10, 60}, HelpRegion::Version},  {{250, 250}, HelpRegion::Ok},
                          {{320, 260}, HelpRegion::Cancel}, {{360, 10}, HelpRegion::Close},   {{308, 260}, HelpRegion::None},
                          {{200, 200}, HelpRegion::None}};
    for (const auto& c : cases) EXPECT_EQ(HelpRegionAt(c.point), c.region) << c.point.x << "," << c.point.y;
    EXPECT_EQ(UpdaterRelativePath(9), L"Update/X64/FwUpdate.exe");
    EXPECT_EQ(UpdaterRelativePath(6), L"Update/X64/FwUpdate.exe");
    EXPECT_EQ(UpdaterRelativePath(0), L"Update/X86/FwUpdate.exe");
    EXPECT_EQ(UpdaterRelativePath(12), L"Update/X86/FwUpdate.exe");  // ARM64 runs the x86 one
    EXPECT_TRUE(kWebSiteAddress.starts_with(L"https://www.example.com/"));
}

}  // namespace
}  // namespace ravix
