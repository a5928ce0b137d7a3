#pragma once

// The main window created inside the test process over the simulated mouse and a folder of
// profile files, driven by real messages: the fixture of its store, presses and pages.
#include <gtest/gtest.h>
// These headers need the Windows types first.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <filesystem>

#include "MainWindowClass.h"
#include "core/device/TransferTrace.h"
#include "core/platform/BinaryFiles.h"
#include "core/store/FactoryFiles.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeNotifier.h"
#include "tests/fakes/FakePointerSettings.h"
#include "tests/fakes/ScriptedFileDialogs.h"
#include "win/app/Messages.h"
#include "win/app/ProgramPorts.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"
#include "win/device/HidInterfaceClass.h"
#include "win/platform/WinIniFile.h"

namespace ravix::win::test_support {

class MainWindowStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test_support::RegisterMainWindowClassOnce());
        folder = std::filesystem::temp_directory_path() / L"ravix-store";
        folder += std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
        std::filesystem::create_directories(folder);
        std::wstring failed;
        int error = 0;
        ASSERT_TRUE(WriteFactoryFiles(folder.wstring(), files, failed, error));
        // The shipped skin's background, so that the window takes its size as an installed one does.
        const std::filesystem::path dist = std::filesystem::path(RAVIX_KBHOOK_PATH).parent_path();
        std::filesystem::create_directories(folder / "Skins" / "Default");
        std::filesystem::copy_file(dist / "Skins" / "Default" / "main.png",
                                   folder / "Skins" / "Default" / "main.png");
        ports.executablePath = Path(L"Velmar Ravix Driver.exe");
    }
    void TearDown() override {
        if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void Open() {
        ASSERT_TRUE(window.Create());
        hwnd = window.GetSafeHwnd();
        FinishStartUp(hwnd);
        mouse.Log().Clear();
        // The class cursor is shared by every window of the class, so an earlier test may have
        // left the wait cursor.
        SetClassLongPtrW(hwnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_ARROW)));
    }

    std::wstring Path(const std::wstring& name) const { return folder.wstring() + L"\\" + name; }

    // The whole shipped skin, for the tests that open the main window's dialogs.
    void CopyShippedSkin() {
        std::filesystem::copy(RAVIX_SKIN_FOLDER, folder / "Skins" / "Default",
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    }

    // The mouse arrives: the bus finds it and the window hears of it as the system tells it.
    void PlugTheMouseIn() {
        bus.Plug();
        const std::wstring name = SimulatedBus::PathOf(SimulatedInterface::Command);
        std::vector<std::uint64_t> storage((sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + name.size() * 2) / 8 +
                                           2);
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
        broadcast->dbcc_size = static_cast<DWORD>(sizeof(*broadcast) + name.size() * sizeof(wchar_t));
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        broadcast->dbcc_classguid = kHidInterfaceClass;
        std::copy(name.begin(), name.end(), broadcast->dbcc_name);
        SendMessageW(hwnd, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(broadcast));
        SendMessageW(hwnd, WM_SETTLE_DEVICE_CHANGES, 0, 0);  // as the settling timer does
    }

    void WriteProfile(int index, const ProfileSettings& settings, std::uint8_t firstRun = 1) {
        const ConfigFileBytes bytes = ConfigFileBytesOf(settings, firstRun);
        ASSERT_EQ(files.Replace(Path(L"config" + std::to_wstring(index) + L".bin"), bytes), 0);
    }

    ProfileSettings Stored(int index) {
        const FileContents contents = files.Read(Path(L"config" + std::to_wstring(index) + L".bin"), 4096);
        ProfileSettings settings{};
        EXPECT_EQ(contents.bytes.size(), kConfigFileBytes);
        if (contents.bytes.size() == kConfigFileBytes)
            std::copy(contents.bytes.begin() + 1, contents.bytes.end(), BytesOf(settings).begin());
        return settings;
    }

    std::filesystem::path folder;
    PortableBinaryFiles files;
    WinIniFile ini;
    FakeNotifier notifier;
    FakePointerSettings pointer;
    ScriptedFileDialogs dialogs;
    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    testing_support::FakeClock fakeClock;
    TracingClock clock{fakeClock, mouse.Log()};
    ProgramPorts ports{bus, clock, ini, files, notifier, pointer, dialogs, {}};
    ProgramState state;
    CVarnixDlg window{state, ports};
    HWND hwnd = nullptr;
};

class MainWindowPresses : public MainWindowStore {
protected:
    void Press(ClientRect region) { Press(region.left + 1, region.top + 1); }
    void Press(int x, int y) { SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    bool Expanded(Section section) const { return window.WindowState().layout.IsExpanded(section); }
};

}  // namespace ravix::win::test_support
