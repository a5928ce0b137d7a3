// The macro manager under Wine, driven by real messages over a library file: creating, recording
// through the keyboard hook, inserting, editing, renaming, deleting and OK; the file and the image
// it hands over are checked, the image against ravixctl's encoding of the same file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>

#include "cli/CliCommand.h"
#include "core/app/ModulePaths.h"
#include "core/platform/FileIo.h"
#include "core/platform/TextEncoding.h"
#include "core/store/ProfileFiles.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeNotifier.h"
#include "tests/win/DialogScript.h"
#include "win/app/Messages.h"
#include "win/dialogs/LBEditorWnd.h"
#include "win/dialogs/MacroDialog.h"
#include "win/dialogs/MacroProgramDialog.h"
#include "win/platform/WinBinaryFiles.h"
#include "win/platform/WinIniFile.h"
#include "win/resources/resource.h"

namespace ravix::win {
namespace {

using test_support::DialogScript;
using test_support::PostClick;
using Names = std::vector<std::wstring>;
using Step = std::function<void(CMacroProgramDialog&)>;

std::wstring ShippedSkin() {
    return (std::filesystem::path(RAVIX_KBHOOK_PATH).parent_path() / "Skins" / "Default").wstring();
}

Names Entries(HWND list) {
    Names entries;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

void Press(CMacroProgramDialog& dialog, MacroManagerRegion region) {
    const PixelRect rect = MacroManagerRect(region);
    PostClick(dialog.GetSafeHwnd(), rect.left + 2, rect.top + 2);
}

// A click on a list's entry as the list reports it to the manager.
void Choose(CMacroProgramDialog& dialog, HWND list, int index, WORD notification = LBN_SELCHANGE) {
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification),
                 reinterpret_cast<LPARAM>(list));
}

void Command(CMacroProgramDialog& dialog, UINT id) {
    SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void Key(BYTE key, BYTE scan, DWORD flags = 0) {
    keybd_event(key, scan, flags, 0);
}

// The manager comes to the front, as the user's click on it brings it, and Record is pressed.
void StartRecording(CMacroProgramDialog& dialog) {
    SetForegroundWindow(dialog.GetSafeHwnd());
    Press(dialog, MacroManagerRegion::Record);
}

// Ctrl+Break ends a recording; the Ctrl is no part of it.
void PressCtrlBreak() {
    Key(VK_CONTROL, 0x1D);
    Key(VK_CANCEL, 0x46, KEYEVENTF_EXTENDEDKEY);
    Key(VK_CANCEL, 0x46, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP);
    Key(VK_CONTROL, 0x1D, KEYEVENTF_KEYUP);
}

class MacroManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 (L"ravix-manager-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(GetTickCount()));
        std::filesystem::create_directories(folder);
        path = (folder / L"record.ini").wstring();
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void WriteLibrary(const std::string& text) const {
        ASSERT_EQ(ReplaceFileAtomically(
                      path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())),
                  0);
    }
    std::wstring Read(const wchar_t* section, const wchar_t* key) const {
        return ini.ReadString(path, section, key);
    }
    Names Stored(const wchar_t* macro) const {
        return MacroLibrary(const_cast<WinIniFile&>(ini), path).Load(macro).items;
    }

    // Runs the manager with one step per tick of the script; a script that does not end it cancels.
    std::optional<MacroImage> Run(std::vector<Step> steps) {
        CMacroProgramDialog dialog(
            nullptr, {ShippedSkin(), language, {0, 255, 0}, ini, files, notifier,
                      (folder / kExecutableName).wstring(), path, settings, memory});
        std::vector<std::function<void()>> script;
        for (Step& step : steps) script.push_back([&dialog, step] { step(dialog); });
        DialogScript driver(std::move(script), [&dialog] {
            SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        const INT_PTR ended = dialog.DoModal();
        EXPECT_TRUE(driver.Finished()) << "ended with " << ended << "\n" << Messages();
        return dialog.Result();
    }

    std::string Messages() const {
        std::string all;
        for (const auto& message : notifier.messages)
            all += ToUtf8(message.caption + L": " + message.text) + "\n";
        return all;
    }

    // What ravixctl makes of the library file.
    MacroImage EncodedByRavixctl() const {
        std::ostringstream out, err;
        testing_support::FakeClock clock;
        CliContext context{out, err, clock, {}};
        const std::string file = ToUtf8(path), output = ToUtf8((folder / L"image.bin").wstring());
        EXPECT_EQ(RunRavixctl(std::vector<std::string_view>{"macros", "encode", file, "-o", output}, context),
                  0)
            << err.str();
        MacroImage image{};
        const std::vector<std::uint8_t> bytes = ReadWholeFile((folder / L"image.bin").wstring(), 4096).bytes;
        EXPECT_EQ(bytes.size(), sizeof image);
        if (bytes.size() == sizeof image) std::memcpy(&image, bytes.data(), sizeof image);
        return image;
    }

    std::filesystem::path folder;
    std::wstring path;
    WinIniFile ini;
    WinBinaryFiles files;
    FakeNotifier notifier;
    ProfileSettings settings{};
    MacroManagerMemory memory;
    Language language = Language::English;
};

TEST_F(MacroManagerTest, CreateRecordInsertEditAndConfirm) {
    const auto result = Run({
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::New); },
        [&](CMacroProgramDialog& d) {
            EXPECT_EQ(Entries(d.MacroList()), Names{L"Macro-0"});
            EXPECT_EQ(Read(L"Macro-0", L"MacroLoopTimes"), L"1") << "a new macro is stored at once";
            StartRecording(d);
        },
        [&](CMacroProgramDialog& d) {
            EXPECT_TRUE(memory.recorder.recording());
            EXPECT_EQ(test_support::WindowTextOf(d.GetSafeHwnd()), L"Press Ctrl+Break key to stop recording");
            Key('A', 0x1E);
            Key('A', 0x1E);  // held down: not recorded again
            Key('A', 0x1E, KEYEVENTF_KEYUP);
            Key('B', 0x30);
            Key('B', 0x30, KEYEVENTF_KEYUP);
            PressCtrlBreak();
        },
        [&](CMacroProgramDialog& d) {
            const Names recorded{L"A   Dn", L"A   Up", L"B   Dn", L"B   Up"};
            EXPECT_FALSE(memory.recorder.recording());
            EXPECT_EQ(Entries(d.KeyList()), recorded);
            EXPECT_EQ(Stored(L"Macro-0"), recorded) << "Stop saves the recording";
            Choose(d, d.KeyList(), 1);
            Command(d, ID_MACRO_INSERT_LEFT);
            Command(d, ID_MACRO_INSERT_DELAY);  // before the selected press: 50 ms
        },
        [&](CMacroProgramDialog& d) {
            EXPECT_EQ(Entries(d.KeyList()), (Names{L"A   Dn", L"A   Up", L"50 ms", L"L-Button   Dn",
                                                   L"L-Button   Up", L"B   Dn", L"B   Up"}));
            Choose(d, d.KeyList(), 2);
            Choose(d, d.KeyList(), 2);  // the second click opens the delay for editing
            const HWND editor = GetDlgItem(d.KeyList(), 1);
            ASSERT_NE(editor, nullptr);
            SetWindowTextW(editor, L"80ms");
            PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        },
        [&](CMacroProgramDialog& d) {
            EXPECT_EQ(Stored(L"Macro-0")[2], L"80 ms");
            test_support::HoldForScreenshot();
            Press(d, MacroManagerRegion::Ok);
        },
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, EncodedByRavixctl());
    EXPECT_EQ(result->slots[0].events[1], 0x04) << "the first event is A";
    EXPECT_TRUE(notifier.messages.empty());
}

// A saved or renamed macro keeps its place, and so the slot a button plays it from.
TEST_F(MacroManagerTest, SavingAndRenamingKeepTheMacroInItsSlot) {
    WriteLibrary("[One]\r\nItemCount=1\r\nItem0=A   Dn\r\n[Two]\r\nItemCount=1\r\nItem0=B   Dn\r\n");
    const auto result = Run({
        [](CMacroProgramDialog& d) {
            Choose(d, d.KeyList(), 0);
            Command(d, ID_MACRO_INSERT_RIGHT);  // saves One
            Choose(d, d.MacroList(), 0, LBN_DBLCLK);
            Choose(d, d.MacroList(), 0);  // a click on the macro double-clicked last renames it
        },
        [](CMacroProgramDialog& d) {
            const HWND editor = GetDlgItem(d.MacroList(), 1);
            ASSERT_NE(editor, nullptr);
            SetWindowTextW(editor, L"two");  // another macro's name
            PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        },
        [&](CMacroProgramDialog& d) {
            ASSERT_EQ(notifier.messages.size(), 1u);
            EXPECT_NE(notifier.messages[0].text.find(L"differ from the names"), std::wstring::npos);
            EXPECT_EQ(Entries(d.MacroList()), (Names{L"One", L"Two"}));
            Choose(d, d.MacroList(), 0, LBN_DBLCLK);
            Choose(d, d.MacroList(), 0);
        },
        [](CMacroProgramDialog& d) {
            PostMessageW(GetDlgItem(d.MacroList(), 1), WM_KEYDOWN, VK_ESCAPE, 0);  // cancelled: nothing lost
        },
        [&](CMacroProgramDialog& d) {
            EXPECT_EQ(MacroLibrary(ini, path).List(), (Names{L"One", L"Two"}));
            Choose(d, d.MacroList(), 0, LBN_DBLCLK);
            Choose(d, d.MacroList(), 0);
        },
        [](CMacroProgramDialog& d) {
            const HWND editor = GetDlgItem(d.MacroList(), 1);
            ASSERT_NE(editor, nullptr);
            SetWindowTextW(editor, L"Jump");
            PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        },
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::Ok); },
    });
    EXPECT_EQ(MacroLibrary(ini, path).List(), (Names{L"Jump", L"Two"}));
    EXPECT_EQ(Stored(L"Jump"), (Names{L"A   Dn", L"R-Button   Dn", L"R-Button   Up"}));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->slots[0].events[1], 0x04) << "slot 1 still plays the first macro";
    EXPECT_EQ(result->slots[1].events[1], 0x05);
    EXPECT_EQ(*result, EncodedByRavixctl());
}

// Deleting a macro: its buttons are named, the later ones follow their macro down (those of the
// profiles stored beside the program too), and the slots follow even when the manager is cancelled
// afterwards. Deleting a macro's last line stores it empty.
TEST_F(MacroManagerTest, DeletingMovesTheLaterButtonsAndAnEmptiedMacroStaysEmpty) {
    WriteLibrary(
        "[One]\r\nItemCount=1\r\nItem0=A   Dn\r\n[Two]\r\nItemCount=1\r\nItem0=B   Dn\r\n"
        "[Three]\r\nItemCount=1\r\nItem0=C   Dn\r\n");
    for (const auto& [button, macro] : {std::pair{1, 0}, std::pair{3, 2}}) {
        settings.actionType[button] = static_cast<std::uint8_t>(ActionType::MacroKey);
        settings.macroNumber[button] = static_cast<std::uint8_t>(macro);
    }
    const std::wstring stored = (folder / L"config1.bin").wstring();
    ASSERT_EQ(files.Replace(stored, ConfigFileBytesOf(settings, 1)), 0);
    const auto result = Run({
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::Delete); },
        [&](CMacroProgramDialog& d) {
            EXPECT_EQ(Entries(d.MacroList()), (Names{L"Two", L"Three"}));
            Choose(d, d.MacroList(), 0);
            Choose(d, d.KeyList(), 0);
            Command(d, ID_MACRO_DELETE_LINE);
        },
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::Cancel); },
    });
    EXPECT_EQ(MacroLibrary(ini, path).List(), (Names{L"Two", L"Three"}));
    EXPECT_EQ(Read(L"Two", L"ItemCount"), L"0");
    EXPECT_EQ(settings.macroNumber[1], 0) << "button 2 played the deleted macro";
    EXPECT_EQ(settings.macroNumber[3], 1) << "button 4 still plays Three";
    const std::vector<std::uint8_t> file = files.Read(stored, kConfigFileBytes).bytes;
    ASSERT_EQ(file.size(), kConfigFileBytes);
    EXPECT_EQ(file[1 + offsetof(ProfileSettings, macroNumber) + 3], 1) << "another profile's button 4 too";
    ASSERT_EQ(notifier.messages.size(), 2u);
    EXPECT_NE(notifier.messages[0].text.find(L"\"One\" was assigned to button 2."), std::wstring::npos);
    EXPECT_NE(notifier.messages[1].text.find(stored), std::wstring::npos) << "its button 2 played it too";
    ASSERT_TRUE(result.has_value()) << "the slots follow the new numbering";
    EXPECT_EQ(result->slots[1].events[1], 0x06);
    EXPECT_EQ(*result, EncodedByRavixctl());
}

// The 64th key event is recorded; the 65th stops the recording. The slot holds 63: OK says so.
TEST_F(MacroManagerTest, ARecordingStopsAtItsLimitAndOkNamesTheCutMacro) {
    const auto result = Run({
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::New); },
        StartRecording,
        [](CMacroProgramDialog&) {
            for (int i = 0; i < 33; ++i) {
                Key('A', 0x1E);
                Key('A', 0x1E, KEYEVENTF_KEYUP);
            }
        },
        [&](CMacroProgramDialog& d) {
            EXPECT_FALSE(memory.recorder.recording());
            EXPECT_EQ(Entries(d.KeyList()).size(), 64u);
            EXPECT_EQ(Stored(L"Macro-0").size(), 64u);
            Press(d, MacroManagerRegion::Ok);
        },
    });
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_NE(notifier.messages[0].text.find(L"Macro-0: 63 of 64 events kept"), std::wstring::npos)
        << "the user learns of the cut";
}

// Enter typed while recording is part of the macro, not OK; once the recording has stopped, Enter
// confirms the manager.
TEST_F(MacroManagerTest, EnterIsRecordedWhileRecordingAndConfirmsOnceStopped) {
    const auto result = Run({
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::New); },
        StartRecording,
        [](CMacroProgramDialog&) {
            Key(VK_RETURN, 0x1C);
            Key(VK_RETURN, 0x1C, KEYEVENTF_KEYUP);
        },
        [](CMacroProgramDialog&) { PressCtrlBreak(); },
        [&](CMacroProgramDialog& d) {
            EXPECT_FALSE(memory.recorder.recording());
            const Names lines = Entries(d.KeyList());  // the key's name is the system's ("Return" under Wine)
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_TRUE(lines[0].ends_with(L"   Dn") && lines[1].ends_with(L"   Up"));
            SetFocus(d.MacroList());
            Key(VK_RETURN, 0x1C);
            Key(VK_RETURN, 0x1C, KEYEVENTF_KEYUP);
        },
    });
    ASSERT_TRUE(result.has_value()) << "Enter after the recording confirms";
    EXPECT_EQ(*result, EncodedByRavixctl());
}

// The wheel anywhere over the manager scrolls the macro's lines three at a time, never above the first.
TEST_F(MacroManagerTest, TheWheelScrollsTheLines) {
    std::string text = "[Long]\r\nItemCount=40\r\n";
    for (int i = 0; i < 40; ++i) text += "Item" + std::to_string(i) + "=" + std::to_string(10 + i) + " ms\r\n";
    WriteLibrary(text);
    Run({
        [](CMacroProgramDialog& d) { Choose(d, d.MacroList(), 0); },
        [](CMacroProgramDialog& d) {
            const auto wheel = [&](int delta) {
                SendMessageW(d.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
                return SendMessageW(d.KeyList(), LB_GETTOPINDEX, 0, 0);
            };
            ASSERT_EQ(Entries(d.KeyList()).size(), 40u);
            EXPECT_EQ(wheel(-WHEEL_DELTA), 3);
            EXPECT_EQ(wheel(-WHEEL_DELTA), 6);
            EXPECT_EQ(wheel(WHEEL_DELTA), 3);
            EXPECT_EQ(wheel(WHEEL_DELTA), 0);
            EXPECT_EQ(wheel(WHEEL_DELTA), 0);
            Press(d, MacroManagerRegion::Close);
        },
    });
}

TEST_F(MacroManagerTest, ATwelfthMacroIsTheLast) {
    std::string text;
    for (int k = 0; k < 12; ++k) text += "[M" + std::to_string(k) + "]\r\nMacroLoopTimes=1\r\n";
    WriteLibrary(text);
    Run({
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::New); },
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::Close); },
    });
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_EQ(notifier.messages[0].text, L"Macro numbers up to 12.");
    EXPECT_EQ(notifier.messages[0].caption, L"Warning");
    EXPECT_EQ(MacroLibrary(ini, path).List().size(), 12u);
}

// The repeat count is written as it is typed, anything outside 1..65535 becoming 1; its tick box
// decides whether the field can be edited.
TEST_F(MacroManagerTest, TheRepeatCountIsKeptWithinItsRange) {
    WriteLibrary("[One]\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=5\r\nItemCount=1\r\nItem0=A   Dn\r\n");
    Run({
        [&](CMacroProgramDialog& d) {
            EXPECT_TRUE(IsWindowEnabled(d.RepeatCountField()));
            EXPECT_EQ(test_support::WindowTextOf(d.RepeatCountField()), L"5");
            SetWindowTextW(d.RepeatCountField(), L"70000");
            EXPECT_EQ(test_support::WindowTextOf(d.RepeatCountField()), L"1");
            EXPECT_EQ(Read(L"One", L"MacroLoopTimes"), L"1");
            SetWindowTextW(d.RepeatCountField(), L"300");
            EXPECT_EQ(Read(L"One", L"MacroLoopTimes"), L"300");
            Press(d, MacroManagerRegion::UseRepeatCountBox);
        },
        [](CMacroProgramDialog& d) {
            EXPECT_FALSE(IsWindowEnabled(d.RepeatCountField()));
            Press(d, MacroManagerRegion::Ok);
        },
    });
    EXPECT_EQ(Read(L"One", L"LoopTimeSelStatus"), L"0") << "OK saves the tick box with the macro";
    EXPECT_EQ(Read(L"One", L"MacroLoopTimes"), L"300");
}

// The key list's menu is the resource's, with the texts of the current language.
TEST_F(MacroManagerTest, TheKeyListMenuSpeaksTheLanguage) {
    WriteLibrary("[One]\r\nItemCount=1\r\nItem0=A   Dn\r\n");
    language = Language::TraditionalChinese;
    std::vector<std::wstring> texts;
    Run({
        [](CMacroProgramDialog& d) { PostMessageW(d.KeyList(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5)); },
        [&](CMacroProgramDialog&) {
            const HWND menu = FindWindowW(L"#32768", nullptr);
            ASSERT_NE(menu, nullptr) << "the menu is open";
            const auto items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
            for (int i = 0; i < GetMenuItemCount(items); ++i) {
                wchar_t text[64] = {};
                GetMenuStringW(items, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
                texts.emplace_back(text);
            }
            EndMenu();
        },
        [](CMacroProgramDialog& d) { Press(d, MacroManagerRegion::Cancel); },
    });
    EXPECT_EQ(texts, (Names{L"刪除", L"插入滑鼠左鍵", L"插入滑鼠中鍵", L"插入滑鼠右鍵", L"插入延時"}));
}

// OK without a choice takes the first macro, so that the label names what the button plays; with
// no macro at all there is nothing to assign, and the user is told.
TEST(MacroAssignmentDialog, OkWithoutAChoiceTakesTheFirstMacroOrNothing) {
    FakeNotifier notifier;
    const auto ok = [&](std::vector<std::wstring> names) {
        CMacroDialog dialog(nullptr,
                            {ShippedSkin(), Language::English, {0, 255, 0}, notifier, std::move(names)});
        DialogScript script(
            {[&] { SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }},
            [&] { SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
        dialog.DoModal();
        return dialog.Result();
    };
    const auto first = ok({L"One", L"Two"});
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->macroIndex, 0);
    EXPECT_EQ(first->loopMode, 0);
    EXPECT_EQ(first->macroName, L"One");
    EXPECT_TRUE(notifier.messages.empty());
    EXPECT_FALSE(ok({}).has_value());
    ASSERT_EQ(notifier.messages.size(), 1u);
    EXPECT_NE(notifier.messages[0].text.find(L"create one in the Macro Manager"), std::wstring::npos);
}

}  // namespace
}  // namespace ravix::win
