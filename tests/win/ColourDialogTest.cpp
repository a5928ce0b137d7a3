// The LED colour dialog under Wine, opened modally over the default skin and driven from inside its
// loop by the messages a user's presses and keys produce.
#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include <filesystem>
#include <fstream>

#include "DialogScript.h"
#include "GdiplusSuite.h"
#include "core/dialogs/ColourDialogRules.h"
#include "tests/fakes/FakeNotifier.h"
#include "win/dialogs/SelctColor.h"
#include "win/platform/WinIniFile.h"

namespace ravix::win {
namespace {

using test_support::DialogScript;
using test_support::PostClick;

class ColourDialog : public test_support::GdiplusSuite {
protected:

    ColourDialogSetup Setup(const std::wstring& folder = RAVIX_SKIN_FOLDER) { return {folder, Language::English, ini, notifier}; }

    // Types into a numeric field as the keyboard would.
    static void Type(CSpinWnd& field, const std::wstring& text) {
        for (wchar_t c : text) PostMessageW(field.Edit(), WM_CHAR, c, 0);
    }
    static void PressButton(CSelctColor& dialog, int key) {
        RECT r{};
        GetClientRect(dialog.ButtonHwnd(key), &r);
        PostClick(dialog.ButtonHwnd(key), r.right / 2, r.bottom / 2);
    }
    static std::function<void()> Rescue(CSelctColor& dialog) {
        return [&dialog] { PostMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); };
    }

    WinIniFile ini;
    FakeNotifier notifier;
};

TEST_F(ColourDialog, OpensWithTheColourTypedValuesChangeItAndApplyReturnsIt) {
    CSelctColor dialog(nullptr, Setup());
    dialog.SetColour(0x0000FF);
    bool stayedOpenAfterEnter = false;
    DialogScript script(
        {[&] {
             // Red: the fields, the read-out, the plane's marker at its top-right corner and the
             // strip at hue 0, its bottom end.
             EXPECT_EQ(test_support::WindowTextOf(dialog.Field(0).Edit()), L"255");
             EXPECT_EQ(test_support::WindowTextOf(dialog.Field(1).Edit()), L"0");
             EXPECT_EQ(test_support::WindowTextOf(dialog.Field(2).Edit()), L"0");
             EXPECT_EQ(dialog.Readout().Text(), L"FF0000");
             EXPECT_EQ(dialog.Plane().Position(), (PlanePosition{0, 1000, 1000}));
             EXPECT_EQ(dialog.Strip().Value(), 3599);
             EXPECT_EQ(SliderOffsetOf(dialog.Strip().Value(), dialog.Strip().Geometry().Length(), dialog.Strip().Settings()),
                       dialog.Strip().Geometry().Length());
             test_support::HoldForScreenshot();
             SetFocus(dialog.Field(2).Edit());
             Type(dialog.Field(2), L"300");
         },
         [&] {
             EXPECT_EQ(test_support::WindowTextOf(dialog.Field(2).Edit()), L"255");
             EXPECT_EQ(dialog.Readout().Text(), L"FF00FF");
             EXPECT_EQ(dialog.GetColour(), 0xFF00FFu);
             PostMessageW(dialog.Field(2).Edit(), WM_KEYDOWN, VK_RETURN, 0);
             PostMessageW(dialog.Field(2).Edit(), WM_KEYDOWN, VK_ESCAPE, 0);
         },
         [&] {
             stayedOpenAfterEnter = IsWindowVisible(dialog.GetSafeHwnd());
             PressButton(dialog, 14);  // APPLY
         }},
        Rescue(dialog));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(stayedOpenAfterEnter);
    EXPECT_EQ(dialog.GetColour(), 0xFF00FFu);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(ColourDialog, PresetsPlaneAndStripChangeTheColourAndCancelKeepsTheCallers) {
    Colour stage = 0x000000;
    CSelctColor* dialog = nullptr;
    std::vector<std::wstring> readouts;
    // PickStageColour builds its own dialog; the steps find it through the active window.
    const auto current = [&]() -> CSelctColor& {
        if (!dialog) dialog = dynamic_cast<CSelctColor*>(CWnd::FromHandle(GetActiveWindow()));
        return *dialog;
    };
    DialogScript script(
        {[&] {
             ASSERT_NE(&current(), nullptr);
             PressButton(current(), 9);  // preset 2: cyan
         },
         [&] {
             readouts.push_back(current().Readout().Text());
             // A press at the plane's left edge halfway up: saturation 0, value about 500, a grey.
             HWND plane = current().Plane().GetSafeHwnd();
             RECT r{};
             GetClientRect(plane, &r);
             PostClick(plane, 1, r.bottom / 2);
         },
         [&] {
             readouts.push_back(current().Readout().Text());
             // The grey keeps the strip's hue: the plane's echo from the fields does not reset it.
             EXPECT_EQ(current().Plane().Position().fixed, 1800);
             PostMessageW(current().Strip().GetSafeHwnd(), WM_KEYDOWN, VK_END, 0);  // strip's bottom: hue 0
             PostMessageW(current().Plane().GetSafeHwnd(), WM_KEYDOWN, VK_PRIOR, 0);  // full saturation and value
         },
         [&] {
             readouts.push_back(current().Readout().Text());
             PressButton(current(), 15);  // CANCEL
         }},
        [&] { PostMessageW(GetActiveWindow(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
    EXPECT_FALSE(PickStageColour(nullptr, Setup(), stage));
    EXPECT_TRUE(script.Finished());
    ASSERT_EQ(readouts.size(), 3u);
    EXPECT_EQ(readouts[0], L"00FFFF");
    const std::wstring grey = readouts[1];
    EXPECT_TRUE(grey.substr(0, 2) == grey.substr(2, 2) && grey.substr(2, 2) == grey.substr(4, 2)) << grey;
    EXPECT_NE(grey, L"000000");
    EXPECT_EQ(readouts[2], L"FF0000");
    EXPECT_EQ(stage, 0x000000u);
}

TEST_F(ColourDialog, DamagedSkinOpensWithWhatItCanDrawAndSaysOnceWhatIsWrong) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"ravix-damaged-colour-skin";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / L"ColorSelect");
    std::filesystem::copy_file(std::filesystem::path(RAVIX_SKIN_FOLDER) / L"ColorSelect/Normal.bmp",
                               folder / L"ColorSelect/Normal.bmp");
    std::ofstream(folder / L"skin_Color_Select.ini")
        << "[SCREEN]\r\nMask=ColorSelect/Mask.bmp\r\nNormal=ColorSelect/Normal.bmp\r\nOver=ColorSelect/Over.bmp\r\n"
           "[BUTTONPOS]\r\n1=Plane,24,64,0,200,empty\r\n2=Strip\r\n3=Well,276,64,80,40,x\r\n"
           "14=" + std::string(60, 'n') + ",236,292,64,26,APPLY\r\n";
    CSelctColor dialog(nullptr, Setup(folder.wstring()));
    dialog.SetColour(0x00FF00);
    DialogScript script(
        {[&] {
             EXPECT_EQ(dialog.Readout().Text(), L"00FF00");
             // The plane has no room: a press on it changes nothing.
             PostClick(dialog.Plane().GetSafeHwnd(), 0, 0);
             PostMessageW(dialog.Plane().GetSafeHwnd(), WM_KEYDOWN, VK_HOME, 0);
         },
         [&] {
             EXPECT_EQ(dialog.GetColour(), 0x00FF00u);
             PressButton(dialog, 14);
         }},
        Rescue(dialog));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetColour(), 0x00FF00u);
    ASSERT_EQ(notifier.messages.size(), 1u);
    const std::wstring& text = notifier.messages[0].text;
    EXPECT_NE(text.find(L"skin_Color_Select.ini"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"Mask.bmp"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"Over.bmp"), std::wstring::npos) << text;
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ravix::win
