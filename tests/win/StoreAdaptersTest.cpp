// The adapters of the message-box, pointer-settings and file-dialog ports, against the system.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>

#include "core/store/ProfilePointerSettings.h"
#include "core/store/ProfileSettings.h"
#include "tests/fakes/FakeNotifier.h"
#include "win/editor/WinPointerSettings.h"
#include "win/platform/WinNotifier.h"
#include "win/store/WinProfileFileDialogs.h"

namespace ravix::win {
namespace {

// Answers the next window that becomes active on this thread (a message box or a file dialog)
// with `answer`, after noting its caption.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(HWND)> answer) : m_answer(std::move(answer)) {
        s_current = this;
        m_hook = SetWindowsHookExW(WH_CBT, &DialogAnswerer::Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogAnswerer() {
        UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }

    std::wstring caption;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && s_current && !s_current->m_done) {
            const HWND window = reinterpret_cast<HWND>(wParam);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            s_current->caption = text;
            s_current->m_done = true;
            s_current->m_answer(window);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline DialogAnswerer* s_current = nullptr;
    std::function<void(HWND)> m_answer;
    HHOOK m_hook = nullptr;
    bool m_done = false;
};

void PressOk(HWND window) {
    PostMessageW(window, WM_COMMAND, IDOK, 0);
}

TEST(WinNotifier, ShowsAMessageBoxWithTheTextAndCaption) {
    std::wstring text;
    DialogAnswerer answerer([&](HWND box) {
        wchar_t buffer[256] = {};
        GetDlgItemTextW(box, 0xFFFF, buffer, 256);  // the message box's text
        text = buffer;
        PressOk(box);
    });
    WinNotifier().ShowMessage(L"Config file is not exist.", L"Velmar Ravix Driver");
    EXPECT_EQ(answerer.caption, L"Velmar Ravix Driver");
    EXPECT_EQ(text, L"Config file is not exist.");
}

TEST(WinPointerSettings, AppliesTheFourSettingsToTheSystem) {
    ProfileSettings settings{};
    settings.enhancePointerPrecision = 1;
    settings.pointerSpeed = 7;
    settings.wheelScrollLines = 9;
    settings.doubleClickSpeed = 11;
    WinPointerSettings pointer;
    FakeNotifier notifier;
    ApplyPointerSettings(settings, pointer, notifier);
    EXPECT_TRUE(notifier.messages.empty());

    int mouse[3] = {};
    SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
    EXPECT_EQ(mouse[0], 6);
    EXPECT_EQ(mouse[1], 10);
    EXPECT_EQ(mouse[2], 1);
    // Wine takes the pointer speed but does not give it back, so only its acceptance is checked.
    EXPECT_TRUE(pointer.SetMouseSpeed(PointerSpeedFor(settings.pointerSpeed)));
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(GetDoubleClickTime(), 200u);

    settings.wheelScrollsScreen = 1;
    ASSERT_TRUE(pointer.SetWheelScrollLines(WheelScrollAmountFor(settings)));
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(lines, WHEEL_PAGESCROLL);
}

class WinFileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("ravix-dialogs-" + std::to_string(GetTickCount()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Types `name` into the dialog's file name box and presses OK.
    static std::function<void(HWND)> Type(const std::wstring& name) {
        return [name](HWND dialog) {
            SetDlgItemTextW(dialog, 0x47C, name.c_str());  // the name box of the explorer-style dialog
            SetDlgItemTextW(dialog, 0x480, name.c_str());  // and of the older style
            PressOk(dialog);
        };
    }

    std::filesystem::path folder;
};

TEST_F(WinFileDialogs, ExportGivesThePathTheUserTyped) {
    const std::wstring chosen = (folder / L"backup.bin").wstring();
    DialogAnswerer answerer(Type(chosen));
    EXPECT_EQ(WinProfileFileDialogs().ChooseFileToExport((folder / L"config0.bin").wstring()), chosen);
}

TEST_F(WinFileDialogs, ImportOfAnExistingFile) {
    const std::wstring chosen = (folder / L"mine.bin").wstring();
    std::FILE* file = _wfopen(chosen.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    DialogAnswerer answerer(Type(chosen));
    EXPECT_EQ(WinProfileFileDialogs().ChooseFileToImport(chosen), chosen);
}

TEST_F(WinFileDialogs, CancelGivesNothing) {
    DialogAnswerer answerer([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(WinProfileFileDialogs().ChooseFileToImport(L""), std::nullopt);
}

}  // namespace
}  // namespace ravix::win
