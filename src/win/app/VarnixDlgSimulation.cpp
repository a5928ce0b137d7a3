// Driving the simulated mouse of --simulate from the running program, so that every notice can
// be seen without hardware: items of the notification-area menu, and WM_COPYDATA commands for
// test drivers. Without --simulate neither exists.
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/app/Messages.h"
#include "win/app/ProgramState.h"
#include "win/app/VarnixDlg.h"

namespace ravix::win {
namespace {

constexpr std::size_t kLongestCommand = 64;
constexpr int kMacroKeys = 12;

// A device-interface broadcast for one of the simulated mouse's interfaces, as the system would
// send it when the mouse comes or goes.
class InterfaceBroadcast {
public:
    explicit InterfaceBroadcast(const std::wstring& path)
        : storage_(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (path.size() + 1) * sizeof(wchar_t)) {
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage_.data());
        broadcast->dbcc_size = static_cast<DWORD>(storage_.size());
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        std::memcpy(broadcast->dbcc_name, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    }
    LPARAM Param() { return reinterpret_cast<LPARAM>(storage_.data()); }

private:
    std::vector<std::uint8_t> storage_;
};

// The macro key of "macro N", N from 1 to 255.
std::optional<std::uint8_t> MacroKeyOf(std::string_view argument) {
    unsigned key = 0;
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), key);
    if (error != std::errc() || end != argument.data() + argument.size() || key < 1 || key > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(key);
}

}  // namespace

void CVarnixDlg::AnnounceSimulatedInterfaces(WPARAM eventType) {
    for (SimulatedInterface which : {SimulatedInterface::Pointer, SimulatedInterface::Event, SimulatedInterface::Command}) {
        InterfaceBroadcast broadcast(SimulatedBus::PathOf(which));
        SendMessageW(m_hWnd, WM_DEVICECHANGE, eventType, broadcast.Param());
    }
}

bool CVarnixDlg::RunSimulationCommand(std::string_view command) {
    SimulatedMouse* mouse = m_state.simulatedMouse;
    SimulatedBus* bus = m_state.simulatedBus;
    if (!mouse || !bus) return false;
    if (command == "plug") {
        bus->Plug();
        AnnounceSimulatedInterfaces(DBT_DEVICEARRIVAL);
    } else if (command == "unplug") {
        bus->Unplug();
        AnnounceSimulatedInterfaces(DBT_DEVICEREMOVECOMPLETE);
    } else if (command == "dpi") {
        mouse->PressDpiButton();
    } else if (command.starts_with("macro ")) {
        const auto key = MacroKeyOf(command.substr(6));
        if (!key) return false;
        mouse->SelectMacroKey(*key);
    } else {
        return false;
    }
    return true;
}

LRESULT CVarnixDlg::OnCopyData(WPARAM, LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kSimulationCommandData || !data->lpData || data->cbData > kLongestCommand)
        return FALSE;
    std::string_view command(static_cast<const char*>(data->lpData), data->cbData);
    // A sender may count the terminating zero.
    if (!command.empty() && command.back() == '\0') command.remove_suffix(1);
    return RunSimulationCommand(command) ? TRUE : FALSE;
}

void CVarnixDlg::AppendSimulationItems(HMENU menu) {
    if (!m_state.simulatedMouse) return;
    const HMENU macroKeys = CreatePopupMenu();
    for (int key = 1; key <= kMacroKeys; ++key)
        AppendMenuW(macroKeys, MF_STRING, ID_SIMULATE_MACRO_KEY + key - 1, std::to_wstring(key).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, ID_SIMULATE_PLUG, L"Simulated mouse: plug in");
    AppendMenuW(menu, MF_STRING, ID_SIMULATE_UNPLUG, L"Simulated mouse: unplug");
    AppendMenuW(menu, MF_STRING, ID_SIMULATE_DPI, L"Simulated mouse: press the DPI button");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(macroKeys), L"Simulated mouse: select macro key");
}

LRESULT CVarnixDlg::OnSimulationCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    if (id == ID_SIMULATE_PLUG) RunSimulationCommand("plug");
    if (id == ID_SIMULATE_UNPLUG) RunSimulationCommand("unplug");
    if (id == ID_SIMULATE_DPI) RunSimulationCommand("dpi");
    if (id >= ID_SIMULATE_MACRO_KEY && id < ID_SIMULATE_MACRO_KEY + kMacroKeys)
        RunSimulationCommand("macro " + std::to_string(id - ID_SIMULATE_MACRO_KEY + 1));
    return 0;
}

}  // namespace ravix::win
