// The help panel inside a stand-in main window, and the updater started beside the program.
#include <gtest/gtest.h>

#include <windows.h>
#include <gdiplus.h>

#include <filesystem>
#include <fstream>

#include "DialogScript.h"
#include "GdiplusSuite.h"
#include "tests/fakes/FakeNotifier.h"
#include "win/app/Messages.h"
#include "win/dialogs/HelpDialog.h"
#include "win/dialogs/UpdaterLaunch.h"
#include "win/skin/SkinFields.h"

namespace ravix::win {
namespace {

class HelpWindow : public test_support::GdiplusSuite {
protected:

    void SetUp() override {
        hwnd = CreateSkinChild(nullptr, {0, 0, 1200, 700}, 0, WS_POPUP | WS_VISIBLE);
        ASSERT_TRUE(mainWindow.SubclassWindow(hwnd));
    }
    void TearDown() override {
        panel.reset();
        DestroyWindow(hwnd);
    }
    // Runs what the presses posted; returns the updater requests that reached the main window.
    std::vector<WPARAM> Pump() {
        std::vector<WPARAM> requests;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == hwnd && msg.message == WM_RUN_UPDATER) requests.push_back(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return requests;
    }
    void Press(int x, int y) {
        test_support::PostClick(panel->Window(), x, y);
        presses = Pump();
    }

    HWND hwnd = nullptr;
    CWnd mainWindow;
    FakeNotifier notifier;
    HelpSetup setup{RAVIX_SKIN_FOLDER, Language::English, {255, 255, 255}, notifier};
    std::unique_ptr<HelpPanel> panel = std::make_unique<HelpPanel>(mainWindow, setup);
    std::vector<WPARAM> presses;
};

TEST_F(HelpWindow, ToggledByTheHelpButtonAndClosedByOkCancelAndClose) {
    panel->Toggle();
    ASSERT_TRUE(IsWindow(panel->Window()));
    EXPECT_TRUE(IsWindowVisible(panel->Window()));
    EXPECT_TRUE(panel->IsOpen());
    RECT frame{};
    GetWindowRect(panel->Window(), &frame);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&frame), 2);
    EXPECT_EQ(frame.left, 786);
    EXPECT_EQ(frame.top, 25);
    Pump();
    test_support::HoldForScreenshot();

    panel->Toggle();  // the help button again: closed
    EXPECT_FALSE(panel->IsOpen());
    EXPECT_EQ(panel->Window(), nullptr);

    // OK, Cancel and close each end the panel; the next press of the help button opens a new one.
    for (PixelPoint button : {PixelPoint{260, 260}, PixelPoint{320, 260}, PixelPoint{360, 10}}) {
        panel->Toggle();
        ASSERT_TRUE(panel->IsOpen());
        Press(button.x, button.y);
        EXPECT_FALSE(panel->IsOpen()) << button.x;
        EXPECT_FALSE(IsWindow(panel->Window())) << button.x;
    }
    panel->Toggle();
    EXPECT_TRUE(panel->IsOpen());
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(HelpWindow, UpdateLineAsksTheMainWindowForTheUpdaterAndOtherLinesDoNothing) {
    panel->Toggle();
    Press(80, 60);  // version line
    EXPECT_TRUE(presses.empty());
    EXPECT_TRUE(panel->IsOpen());
    Press(80, 35);  // update line
    EXPECT_EQ(presses, std::vector<WPARAM>{0});
    EXPECT_TRUE(panel->IsOpen());
}

TEST_F(HelpWindow, HoveringOkThenCancelLeavesOnlyCancelLit) {
    panel->Toggle();
    HWND help = panel->Window();
    SendMessageW(help, WM_MOUSEHOVER, 0, MAKELPARAM(260, 260));
    EXPECT_TRUE(panel->Dialog()->Lit(HelpRegion::Ok));
    SendMessageW(help, WM_MOUSEHOVER, 0, MAKELPARAM(320, 260));
    EXPECT_FALSE(panel->Dialog()->Lit(HelpRegion::Ok));
    EXPECT_TRUE(panel->Dialog()->Lit(HelpRegion::Cancel));
    SendMessageW(help, WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
    EXPECT_FALSE(panel->Dialog()->Lit(HelpRegion::Cancel));
}

TEST_F(HelpWindow, MissingPictureIsReportedAndThePanelStaysBare) {
    setup.skinFolder = L"Z:\\nowhere\\skin";
    panel = std::make_unique<HelpPanel>(mainWindow, setup);
    panel->Toggle();
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"error");
    EXPECT_EQ(notifier.messages[0].caption, L"Help Dialog Load background image failed!!!");
    Pump();  // paints without picture or font
}

// A folder that holds the program's name and, if asked, a stand-in updater where it belongs.
struct ProgramFolder {
    std::filesystem::path root = std::filesystem::temp_directory_path() / L"ravix-updater-test";
    ProgramFolder() {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    // The stand-in updater writes its marker before it ends, so its file may still be in use for
    // a moment after the test saw the marker.
    ~ProgramFolder() {
        std::error_code error;
        for (int i = 0; i < 100 && (std::filesystem::remove_all(root, error), error); ++i) Sleep(50);
    }
    std::wstring Executable() const { return (root / L"Velmar Ravix Driver.exe").wstring(); }
    std::filesystem::path Marker(const wchar_t* arch) const { return root / L"Update" / arch / L"started.txt"; }
    void PutUpdater(const wchar_t* arch) const {
        std::filesystem::create_directories(root / L"Update" / arch);
        std::filesystem::copy_file(RAVIX_UPDATER_STAND_IN, root / L"Update" / arch / L"FwUpdate.exe");
    }
};

bool WaitFor(const std::filesystem::path& file) {
    for (int i = 0; i < 200 && !std::filesystem::exists(file); ++i) Sleep(50);
    return std::filesystem::exists(file);
}

TEST(Updater, StartsTheUpdaterForTheMachinesArchitecture) {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    const bool wide = info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
    const wchar_t* arch = wide ? L"X64" : L"X86";
    ProgramFolder folder;
    folder.PutUpdater(L"X64");
    folder.PutUpdater(L"X86");
    FakeNotifier notifier;
    EXPECT_EQ(UpdaterPath(folder.Executable()), (folder.root / L"Update" / arch / L"FwUpdate.exe").wstring());
    EXPECT_TRUE(RunUpdater(folder.Executable(), notifier));
    EXPECT_TRUE(WaitFor(folder.Marker(arch)));
    EXPECT_FALSE(std::filesystem::exists(folder.Marker(wide ? L"X86" : L"X64")));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(Updater, MissingUpdaterIsToldWithItsPath) {
    ProgramFolder folder;
    FakeNotifier notifier;
    EXPECT_FALSE(RunUpdater(folder.Executable(), notifier));
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_NE(notifier.messages[0].text.find(UpdaterPath(folder.Executable())), std::wstring::npos);
    EXPECT_EQ(notifier.messages[0].caption, L"Velmar Ravix Driver");
}

}  // namespace
}  // namespace ravix::win
