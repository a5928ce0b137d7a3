// The key capture dialogs under Wine, driven by the key reports KBHook.dll delivers (the virtual
// key and the extended flag) and by presses on their buttons and modifier list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DialogScript.h"
#include "GdiplusSuite.h"
#include "core/keys/UsKeyboardLayout.h"
#include "tests/fakes/FakeNotifier.h"
#include "win/dialogs/ComboDialog.h"
#include "win/dialogs/SingleDialog.h"

namespace ravix::win {
namespace {

using test_support::DialogScript;
using test_support::PostClick;
using test_support::WindowTextOf;

// The program's own folder, where KBHook.dll is.
const std::wstring kProgramPath = (std::filesystem::path(RAVIX_KBHOOK_PATH).parent_path() / L"Velmar Ravix Driver.exe").wstring();

class KeyDialogs : public test_support::GdiplusSuite {
protected:
    KeyDialogSetup Setup(const std::wstring& program = kProgramPath) {
        return {RAVIX_SKIN_FOLDER, Language::English, {255, 255, 255}, program, notifier, layout};
    }
    static void Report(HWND dialog, WPARAM key, LPARAM extended = 0) { PostMessageW(dialog, kKeyReportMessage, key, extended); }
    static void PressOk(HWND dialog) { PostClick(dialog, kKeyDialogOkRect.left + 5, kKeyDialogOkRect.top + 5); }
    static std::function<void()> Rescue(CDialog& dialog) {
        return [&dialog] { PostClick(dialog.GetSafeHwnd(), kKeyDialogCancelRect.left + 5, kKeyDialogCancelRect.top + 5); };
    }

    FakeNotifier notifier;
    UsKeyboardLayout layout;
};

TEST_F(KeyDialogs, SingleKeyNamesEachReportedKeyAndOkGivesTheLast) {
    struct Step {
        WPARAM key;
        LPARAM extended;
        const wchar_t* name;  // shown afterwards
    };
    const Step steps[] = {
        {0x74, 0, L"F5"},         {0x0D, 1, L"Num Enter"}, {0x0D, 0, L"Enter"},  {0x1B, 0, L"Esc"},
        {0xA0, 0, L"L Shift"},    {0xA5, 1, L"R Alt"},     {0x5B, 1, L"L Win"},
        {0x10, 0, L"L Win"},  // the generic Shift has no code: the field keeps the last key
        {0x74, 0, L"F5"},
    };
    CSingleDialog dialog(nullptr, Setup());
    dialog.SetKey(0x04);
    HWND name = nullptr;
    std::vector<std::wstring> shown;
    std::vector<std::function<void()>> script = {[&] {
        name = GetDlgItem(dialog.GetSafeHwnd(), CSingleDialog::kKeyNameId);
        EXPECT_EQ(WindowTextOf(name), L"A");
        EXPECT_TRUE(dialog.HookInstalled());
    }};
    for (const Step& step : steps) {
        script.push_back([&, step] {
            Report(dialog.GetSafeHwnd(), step.key, step.extended);
            // Enter and Escape as keystrokes do not end the dialog.
            PostMessageW(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(dialog.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
        });
        script.push_back([&] { shown.push_back(WindowTextOf(name)); });
    }
    script.push_back([&] {
        test_support::HoldForScreenshot();
        PressOk(dialog.GetSafeHwnd());
    });
    DialogScript run(script, Rescue(dialog));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(run.Finished());
    ASSERT_EQ(shown.size(), std::size(steps));
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], steps[i].name) << i;
    EXPECT_EQ(dialog.Key(), 0x3E);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST_F(KeyDialogs, ComboTakesAModifierFromItsListAndAKeyInEachFocusedField) {
    CComboDialog dialog(nullptr, Setup());
    const auto item = [&](int id) { return GetDlgItem(dialog.GetSafeHwnd(), id); };
    bool fieldsDisabled = false;
    std::wstring whileOpen;
    DialogScript run(
        {[&] {
             EXPECT_EQ(WindowTextOf(item(CComboDialog::kModifierNameId)), L"");
             PostClick(dialog.GetSafeHwnd(), kModifierAreaRect.left + 3, kModifierAreaRect.top + 3);
         },
         [&] {
             ASSERT_TRUE(dialog.ModifierListOpen());
             fieldsDisabled = !IsWindowEnabled(item(CComboDialog::kFirstKeyId));
             Report(dialog.GetSafeHwnd(), 'A');  // no field can take it
         },
         [&] {
             whileOpen = WindowTextOf(item(CComboDialog::kFirstKeyId));
             RECT entry{};
             SendMessageW(item(CComboDialog::kModifierListId), LB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&entry));
             PostMessageW(item(CComboDialog::kModifierListId), WM_MOUSEMOVE, 0, MAKELPARAM(entry.left + 2, entry.top + 2));
             PostClick(item(CComboDialog::kModifierListId), entry.left + 2, entry.top + 2);  // "Right Alt"
         },
         [&] {
             EXPECT_FALSE(dialog.ModifierListOpen());
             EXPECT_EQ(WindowTextOf(item(CComboDialog::kModifierNameId)), L"Right Alt");
             SetFocus(item(CComboDialog::kFirstKeyId));
             Report(dialog.GetSafeHwnd(), 'Q');
         },
         [&] {
             SetFocus(item(CComboDialog::kSecondKeyId));
             Report(dialog.GetSafeHwnd(), VK_DELETE, 1);
         },
         [&] {
             EXPECT_EQ(WindowTextOf(item(CComboDialog::kFirstKeyId)), L"Q");
             EXPECT_EQ(WindowTextOf(item(CComboDialog::kSecondKeyId)), L"Delete");
             test_support::HoldForScreenshot();
             PressOk(dialog.GetSafeHwnd());
         }},
        Rescue(dialog));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(run.Finished());
    EXPECT_TRUE(fieldsDisabled);
    EXPECT_EQ(whileOpen, L"");
    EXPECT_EQ(dialog.ModifierName(), L"Right Alt");
    EXPECT_EQ(dialog.FirstKey(), 0x14);
    EXPECT_EQ(dialog.SecondKey(), 0x4C);
}

// A missing or broken KBHook.dll beside the program is named to the user; the dialog still opens,
// and OK keeps the stored key. No library of that name is looked for anywhere else.
TEST_F(KeyDialogs, WithoutAUsableHookTheUserIsToldAndTheDialogStillWorks) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"ravix-no-hook";
    std::filesystem::create_directories(folder);
    const std::wstring program = (folder / L"Velmar Ravix Driver.exe").wstring();
    struct Case {
        const char* content;  // nothing: no file
        const wchar_t* says;
    };
    for (const Case& c : {Case{nullptr, L"is missing"}, Case{"not a library", L"cannot be loaded"}}) {
        std::filesystem::remove(folder / L"KBHook.dll");
        if (c.content) std::ofstream(folder / L"KBHook.dll") << c.content;
        notifier.messages.clear();
        const std::optional<KeyCode> key = [&] {
            DialogScript run({[&] { PressOk(GetActiveWindow()); }},
                             [] { PostClick(GetActiveWindow(), kKeyDialogCancelRect.left + 5, kKeyDialogCancelRect.top + 5); });
            return CaptureSingleKey(nullptr, Setup(program), 0x1E);
        }();
        EXPECT_EQ(key, std::optional<KeyCode>(0x1E)) << c.says;
        ASSERT_EQ(notifier.messages.size(), 1u) << c.says;
        EXPECT_NE(notifier.messages[0].text.find(c.says), std::wstring::npos) << notifier.messages[0].text;
        EXPECT_NE(notifier.messages[0].text.find((folder / L"KBHook.dll").wstring()), std::wstring::npos);
    }
    std::filesystem::remove_all(folder);
}

TEST_F(KeyDialogs, AMissingBackgroundIsReportedAndTheDialogEndsAsCancelled) {
    KeyDialogSetup setup = Setup();
    setup.skinFolder = L"Z:\\nowhere\\skin";
    EXPECT_FALSE(CaptureComboKeys(nullptr, setup, {L"Left Ctrl", 0x04, 0}).has_value());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].caption, L"Combo Dialog Load background image failed!!!");
}

}  // namespace
}  // namespace ravix::win
