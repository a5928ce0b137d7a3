// The program in the folder it was installed to (tools/test-installer.sh passes that folder): it
// starts with the simulated mouse and Save writes the profile beside it; its uninstaller, run as a
// user runs it, asks before it removes the profiles and macros and does what the answer says. Not
// part of the ordinary run, which would change (or remove) the build's own dist/ folder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "ProgramHarness.h"

namespace ravix::e2e {
namespace {

constexpr DWORD kTimeout = 15000;
// The uninstaller's Uninstall and Close button, in every page of its window.
constexpr int kNextButton = 1;

TEST(InstalledProgram, StartsWithTheSimulatedMouseAndSavesBesideItself) {
    const std::filesystem::path config = std::filesystem::path(DistFolder()) / L"config0.bin";
    std::filesystem::last_write_time(config, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    const auto before = std::filesystem::last_write_time(config);
    const std::wstring trace = FreshTempPath(L"ravix-installed-trace.txt");

    RunningProgram program(L"--simulate \"--trace=" + trace + L"\"");
    ASSERT_TRUE(program.Started());
    const HWND window = WaitForWindow(program, kWindowClass, kTimeout);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(924, 605));  // the Save button
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::last_write_time(config) > before; }, kTimeout))
        << "Save did not write config0.bin";
    EXPECT_EQ(std::filesystem::file_size(config), 1757u);

    PostMessageW(window, WM_COMMAND, kTrayExit, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kTimeout, exitCode));
    EXPECT_EQ(exitCode, 0u);
    DeleteFileW(trace.c_str());
}

// Starts the installed uninstaller without arguments, as the list of installed programs does. It
// hands over to a copy of itself in the temporary folder, so its windows are found by what they are.
bool StartUninstaller() {
    const std::wstring exe = DistFolder() + L"\\Uninstall.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool IsUninstallerWindow(HWND hwnd) {
    return WindowText(hwnd).starts_with(L"Velmar Ravix Driver") && GetDlgItem(hwnd, kNextButton);
}

bool IsYesNoQuestion(HWND hwnd) { return GetDlgItem(hwnd, IDYES) && GetDlgItem(hwnd, IDNO); }

// Waits until the uninstaller's button shows `text` and can be pressed, then presses it.
bool PressWhenReady(HWND window, const std::wstring& text) {
    const HWND button = GetDlgItem(window, kNextButton);
    if (!WaitUntil([&] { return WindowText(button) == text && IsWindowEnabled(button); }, kTimeout)) return false;
    PostMessageW(button, BM_CLICK, 0, 0);
    return true;
}

// Runs the uninstaller through its pages and gives `answer` to its question about the profiles and
// macros; returns the question's text.
std::wstring UninstallAnswering(int answer) {
    if (!StartUninstaller()) return L"(the uninstaller did not start)";
    const HWND window = WaitForTopWindow(L"#32770", IsUninstallerWindow, kTimeout);
    if (!window || !PressWhenReady(window, L"&Uninstall")) return L"(no uninstall page)";
    const HWND question = WaitForTopWindow(L"#32770", IsYesNoQuestion, kTimeout);
    if (!question) return L"(no question)";
    wchar_t text[512] = {};
    GetDlgItemTextW(question, 0xFFFF, text, 512);  // the message box's text control
    PostMessageW(GetDlgItem(question, answer), BM_CLICK, 0, 0);
    if (!PressWhenReady(window, L"&Close")) return L"(the uninstaller did not finish)";
    WaitUntil([&] { return !IsWindow(window); }, kTimeout);
    return text;
}

// The profiles and the macro library a fresh installation holds.
constexpr const wchar_t* kUserFiles[] = {L"config.bin", L"str.ini", L"config0.bin", L"str0.ini", L"record.ini"};

TEST(InstalledProgram, UninstallerAnsweredNoKeepsTheProfilesAndMacros) {
    const std::wstring question = UninstallAnswering(IDNO);
    EXPECT_NE(question.find(L"remove your profiles and macros"), std::wstring::npos)
        << Narrow(question);
    const std::filesystem::path folder(DistFolder());
    EXPECT_TRUE(WaitUntil([&] { return !std::filesystem::exists(folder / L"Uninstall.exe"); }, kTimeout));
    EXPECT_FALSE(std::filesystem::exists(folder / L"Velmar Ravix Driver.exe"));
    for (const wchar_t* file : kUserFiles) EXPECT_TRUE(std::filesystem::exists(folder / file)) << folder / file;
}

TEST(InstalledProgram, UninstallerAnsweredYesRemovesTheProfilesAndMacrosWithTheFolder) {
    const std::wstring question = UninstallAnswering(IDYES);
    EXPECT_NE(question.find(L"remove your profiles and macros"), std::wstring::npos)
        << Narrow(question);
    EXPECT_TRUE(WaitUntil([&] { return !std::filesystem::exists(DistFolder()); }, kTimeout))
        << "the installation folder was left behind";
}

}  // namespace
}  // namespace ravix::e2e
