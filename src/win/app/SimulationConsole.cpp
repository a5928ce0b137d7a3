#include "win/app/SimulationConsole.h"

// The device-broadcast header needs the Windows types first.
// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include <charconv>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "win/app/Messages.h"

namespace ravix::win {
namespace {

constexpr std::size_t kLongestCommand = 64;

// A device-interface broadcast for one of the simulated mouse's interfaces, as the system would
// send it when the mouse comes or goes.
class InterfaceBroadcast {
public:
    explicit InterfaceBroadcast(const std::wstring& path)
        : m_storage(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) +
                    (path.size() + 1) * sizeof(wchar_t)) {
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(m_storage.data());
        broadcast->dbcc_size = static_cast<DWORD>(m_storage.size());
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        std::memcpy(broadcast->dbcc_name, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    }
    LPARAM Param() { return reinterpret_cast<LPARAM>(m_storage.data()); }

private:
    std::vector<std::uint8_t> m_storage;
};

void AnnounceSimulatedInterfaces(HWND window, WPARAM eventType) {
    for (SimulatedInterface which :
         {SimulatedInterface::Pointer, SimulatedInterface::Event, SimulatedInterface::Command}) {
        InterfaceBroadcast broadcast(SimulatedBus::PathOf(which));
        SendMessageW(window, WM_DEVICECHANGE, eventType, broadcast.Param());
    }
}

// The macro key of "macro N", N from 1 to 255.
std::optional<std::uint8_t> MacroKeyOf(std::string_view argument) {
    unsigned key = 0;
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), key);
    if (error != std::errc() || end != argument.data() + argument.size() || key < 1 || key > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(key);
}

// The command a WM_COPYDATA carries; none when it carries no command of ours.
std::optional<std::string_view> CommandOf(LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!data || data->dwData != kSimulationCommandData || !data->lpData || data->cbData > kLongestCommand)
        return std::nullopt;
    std::string_view command(static_cast<const char*>(data->lpData), data->cbData);
    // A sender may count the terminating zero.
    if (!command.empty() && command.back() == '\0') command.remove_suffix(1);
    return command;
}

}  // namespace

void SimulationConsole::AppendMenuItems(HMENU menu) const {
    if (!m_ports.simulatedMouse) return;
    const HMENU macroKeys = CreatePopupMenu();
    for (int key = 1; key <= kSimulatedMacroKeys; ++key)
        AppendMenuW(macroKeys, MF_STRING, ID_SIMULATE_MACRO_KEY + key - 1, std::to_wstring(key).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, ID_SIMULATE_PLUG, L"Simulated mouse: plug in");
    AppendMenuW(menu, MF_STRING, ID_SIMULATE_UNPLUG, L"Simulated mouse: unplug");
    AppendMenuW(menu, MF_STRING, ID_SIMULATE_DPI, L"Simulated mouse: press the DPI button");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(macroKeys), L"Simulated mouse: select macro key");
}

bool SimulationConsole::OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT& result) {
    if (message == WM_COPYDATA) {
        const std::optional<std::string_view> command = CommandOf(lParam);
        result = command && Run(window, *command) ? TRUE : FALSE;
        return true;
    }
    const UINT id = LOWORD(wParam);
    const bool menuItem = message == WM_COMMAND && HIWORD(wParam) <= 1 && id >= ID_SIMULATE_PLUG &&
                          id < ID_SIMULATE_MACRO_KEY + kSimulatedMacroKeys;
    if (!menuItem) return false;
    OnMenuItem(window, id);
    result = 0;
    return true;
}

bool SimulationConsole::Run(HWND window, std::string_view command) {
    SimulatedMouse* mouse = m_ports.simulatedMouse;
    SimulatedBus* bus = m_ports.simulatedBus;
    if (!mouse || !bus) return false;
    if (command == "plug") {
        bus->Plug();
        AnnounceSimulatedInterfaces(window, DBT_DEVICEARRIVAL);
    } else if (command == "unplug") {
        bus->Unplug();
        AnnounceSimulatedInterfaces(window, DBT_DEVICEREMOVECOMPLETE);
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

void SimulationConsole::OnMenuItem(HWND window, UINT id) {
    if (id == ID_SIMULATE_PLUG) Run(window, "plug");
    if (id == ID_SIMULATE_UNPLUG) Run(window, "unplug");
    if (id == ID_SIMULATE_DPI) Run(window, "dpi");
    if (id >= ID_SIMULATE_MACRO_KEY && id < ID_SIMULATE_MACRO_KEY + kSimulatedMacroKeys)
        Run(window, "macro " + std::to_string(id - ID_SIMULATE_MACRO_KEY + 1));
}

}  // namespace ravix::win
