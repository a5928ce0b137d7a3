// The section pages of the main window driven as a user drives them: presses on headers, sliders,
// dials and choices, text typed into the boxes, and a Save whose profile block in the simulated
// mouse's memory shows what was chosen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/device/DeviceMemoryLayout.h"
#include "core/editor/DpiStages.h"
#include "core/editor/MainWindowLayout.h"
#include "core/editor/ScrollSpeed.h"
#include "tests/win/DialogScript.h"
#include "tests/win/MainWindowFixture.h"
#include "win/dialogs/SelctColor.h"
#include "win/editor/ControlWindows.h"

namespace ravix::win {
namespace {

using test_support::MainWindowPresses;
using ::testing::Contains;

class SectionPagesTest : public MainWindowPresses {
protected:
    void Type(int controlId, const wchar_t* text) {
        const HWND box = GetDlgItem(hwnd, controlId);
        ASSERT_NE(box, nullptr) << controlId;
        SetWindowTextW(box, text);  // raises the box's change notification, as typing does
    }
    std::wstring BoxText(int controlId) const { return ControlText(GetDlgItem(hwnd, controlId)); }
    void Save() {
        SendMessageW(hwnd, WM_TIMER, 1, 0);  // no earlier Save is busy
        Press(kSaveButton);
    }
    std::uint8_t Block(std::size_t offset) const { return mouse.ProfileBlock(0)[offset]; }
};

TEST_F(SectionPagesTest, DpiLightingAndReportRateReachTheMouseWithSave) {
    Open();
    Press(740, 40);  // DPI Setting
    ASSERT_TRUE(Expanded(Section::Dpi));
    Type(DpiEditBoxId(2), L"3200");
    Type(DpiEditBoxId(1), L"75");
    Type(DpiEditBoxId(3), L"12345");
    Type(DpiEditBoxId(4), L"1630");
    EXPECT_EQ(BoxText(DpiEditBoxId(1)), L"100");
    EXPECT_EQ(BoxText(DpiEditBoxId(3)), L"5000");
    EXPECT_EQ(BoxText(DpiEditBoxId(4)), L"1630") << "the box keeps what was typed";
    Press(940, 202);  // stage 4's slider, lowest row: 50 DPI, which the box corrects
    EXPECT_EQ(BoxText(DpiEditBoxId(4)), L"100");

    Press(740, 290);  // Lighting, below DPI Setting's body
    const std::uint8_t standard = state.profileSettings.standardBrightness;
    Press(745, 355);  // the Breathing radio
    Press(868, 357);  // 34 pixels into Breathing's slider: "6S"
    EXPECT_EQ(state.profileSettings.standardBrightness, standard);

    Press(740, 425);         // USB Report Rate, below Lighting's body
    Press(855 - 40, 507 + 30);  // the dial's lower left quadrant: 250 Hz
    Save();

    EXPECT_EQ(Block(kProfileBlockDpiLevels + 0), 2);
    EXPECT_EQ(Block(kProfileBlockDpiLevels + 1), 64);
    EXPECT_EQ(Block(kProfileBlockDpiLevels + 2), 100);
    EXPECT_EQ(Block(kProfileBlockDpiLevels + 3), 2);
    EXPECT_EQ(Block(71), 2);  // breathing
    EXPECT_EQ(Block(72), 3);  // 6 - position 3
    EXPECT_EQ(Block(73), 3);
    EXPECT_EQ(mouse.Memory()[kHeaderReportRate], 4);
}

// A press on a stage's swatch opens the LED colour dialog with the stage's colour; its choice is
// stored red, blue, green and reaches the mouse's profile block with Save.
TEST_F(SectionPagesTest, ASwatchChoosesTheStageColourThroughTheColourDialog) {
    const std::filesystem::path dist = std::filesystem::path(RAVIX_KBHOOK_PATH).parent_path();
    std::filesystem::copy(dist / "Skins" / "Default", folder / "Skins" / "Default",
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    Open();
    Press(740, 40);  // DPI Setting
    const HWND swatch = GetDlgItem(hwnd, DpiSwatchId(2));
    ASSERT_NE(swatch, nullptr);
    RECT area{};
    GetWindowRect(swatch, &area);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&area), 2);

    const auto press = [](int key) {
        const auto* dialog = dynamic_cast<CSelctColor*>(CWnd::FromHandle(GetActiveWindow()));
        ASSERT_NE(dialog, nullptr);
        RECT r{};
        GetClientRect(dialog->ButtonHwnd(key), &r);
        test_support::PostClick(dialog->ButtonHwnd(key), r.right / 2, r.bottom / 2);
    };
    test_support::DialogScript script(
        {[&] { press(9); },    // preset 2: cyan
         [&] { press(14); }},  // APPLY
        [] { PostMessageW(GetActiveWindow(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
    Press((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(state.profileSettings.dpiColour[1], (std::array<std::uint8_t, 3>{0x00, 0xFF, 0xFF}));
    Save();
    EXPECT_EQ(Block(104 + 3), 0x00);  // red, blue, green of the second stage
    EXPECT_EQ(Block(104 + 4), 0xFF);
    EXPECT_EQ(Block(104 + 5), 0xFF);
}

TEST_F(SectionPagesTest, DpiBoxesLiveOnlyWhileTheirBodyIsDrawn) {
    Open();
    Press(740, 40);
    ASSERT_NE(GetDlgItem(hwnd, DpiEditBoxId(1)), nullptr);
    ASSERT_NE(GetDlgItem(hwnd, DpiSwatchId(4)), nullptr);
    Press(986, 500);  // the scroll bar's lower half: the bottom view
    EXPECT_EQ(GetDlgItem(hwnd, DpiEditBoxId(1)), nullptr);
    EXPECT_EQ(GetDlgItem(hwnd, DpiSwatchId(4)), nullptr);
    Press(986, 40);  // back to the top view
    EXPECT_NE(GetDlgItem(hwnd, DpiEditBoxId(1)), nullptr);
    EXPECT_EQ(BoxText(DpiEditBoxId(1)), DpiBoxText(state.profileSettings.dpiLevel[0]));
    Press(740, 40);  // collapsed
    EXPECT_EQ(GetDlgItem(hwnd, DpiEditBoxId(1)), nullptr);
}

TEST_F(SectionPagesTest, SensorSlidersDialsAndScrollSpeedReachTheMouseAndTheSystem) {
    Open();
    Press(25, 180);   // X/Y Sensitivity
    Press(67, 240);   // X: 30 pixels in, position 3
    Press(244, 300);  // Y: the last pixel, position 10
    Press(986, 500);  // the bottom view
    Press(740, 40);   // Cursor System Speed
    Press(855, 83);   // straight up, 60 pixels: position 7
    Press(740, 175);  // Double Click Speed
    Press(925, 280);  // far right, just above the centre line: position 11
    Press(740, 313);  // Scroll Speed
    Type(kScrollLinesBoxId, L"250");
    EXPECT_EQ(BoxText(kScrollLinesBoxId), L"1");
    Press(925, 344);  // step up, twice
    Press(925, 344);
    EXPECT_EQ(BoxText(kScrollLinesBoxId), L"3");
    EXPECT_EQ(state.profileSettings.wheelScrollLines, 3);
    Press(745, 379);  // one screen per notch
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, kScrollLinesBoxId)));
    Press(740, 410);  // Angle Snap
    Press(784, 535);  // 30 pixels into its slider: position 3
    Save();

    EXPECT_EQ(Block(51), 0x84);
    EXPECT_EQ(Block(74), 60);
    EXPECT_EQ(Block(75), 200);
    EXPECT_THAT(pointer.calls, Contains("SETMOUSESPEED 12"));
    EXPECT_THAT(pointer.calls, Contains("SETDOUBLECLICKTIME 200"));
    EXPECT_THAT(pointer.calls, Contains("SETWHEELSCROLLLINES 4294967295"));

    Press(745, 344);  // lines again: the box comes back with its value
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, kScrollLinesBoxId)));
    EXPECT_EQ(BoxText(kScrollLinesBoxId), L"3");
}

TEST_F(SectionPagesTest, AForeignReportRateShowsNoQuadrantAndIsKeptUntilOneIsChosen) {
    Open();
    state.profileSettings.reportRate = 3;      // from a foreign profile file
    state.profileSettings.lightingEffect = 9;  // no such effect: no radio chosen
    Press(740, 65);                            // Lighting
    Press(740, 195);                           // USB Report Rate, below Lighting's body
    UpdateWindow(hwnd);
    Press(855 + 50, 279);  // on the dial's horizontal axis
    EXPECT_EQ(state.profileSettings.reportRate, 3);
    Press(855 + 50, 279 - 10);  // upper right: 1000 Hz
    EXPECT_EQ(state.profileSettings.reportRate, 1);
}

}  // namespace
}  // namespace ravix::win
