#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ravix {

// The operating system's device-change broadcasts that concern the mouse.
inline constexpr std::uint32_t kDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;
inline constexpr std::uint32_t kDeviceInterfaceBroadcast = 5;

// Event codes the device link sends to the main window besides the mouse's own.
inline constexpr std::uint8_t kMouseDetectedEvent = 14;
inline constexpr std::uint8_t kMouseNotDetectedEvent = 15;

enum class DeviceChange { Ignore, Arrival, Removal };

// Arrival or removal of one of the mouse's interfaces, judged from the broadcast's event type, the
// header's device type and the interface name. The name must contain "Vid_04d9&Pid_a0f4" or
// "VID_04D9&PID_A0F4" exactly as written; any other spelling is ignored.
DeviceChange ClassifyDeviceChange(std::uint32_t eventType, std::uint32_t deviceType, std::wstring_view name);

// What the main window does after it ran discovery for an arrival or removal, in this order:
// send the notice, hide the window, set `connected`, then (reconnect) run the connect sequence,
// reload the profile files and settings keys, and resume the listener.
struct DeviceChangeResponse {
    std::optional<std::uint8_t> notice;  // event code sent to the main window, value 0
    bool hideWindow = false;
    bool connected = false;
    bool reconnect = false;
};

// A burst of broadcasts, answered as one change.
struct SettledDeviceChange {
    DeviceChange last = DeviceChange::Ignore;  // the final state the burst left
    bool arrived = false;                      // the mouse arrived at some point of it
};

// Gathers the broadcasts of one plug-in or unplug (or of several in quick succession). The burst is
// answered once no broadcast has come for kSettleMs, and at the latest kLongestWaitMs after its first
// broadcast, so that a stream of broadcasts cannot hold the answer back. Times are a millisecond
// tick count that may wrap.
class DeviceChangeSettler {
public:
    static constexpr std::uint32_t kSettleMs = 400;
    static constexpr std::uint32_t kLongestWaitMs = 1000;

    // Takes a broadcast that came at `nowMs`; gives the time from now at which the burst is due.
    std::uint32_t Add(DeviceChange change, std::uint32_t nowMs);
    // Ends the burst and gives it; Ignore when nothing was gathered.
    SettledDeviceChange Take();

private:
    std::optional<std::uint32_t> m_firstMs;
    SettledDeviceChange m_burst;
};

// The answer to a settled burst, by the state it left: a mouse found is connected (with the connect
// sequence and the detected notice when it arrived or was not connected before); no mouse gives the
// not-detected notice, and hides the window only when the last change was an arrival.
DeviceChangeResponse RespondToSettledChange(SettledDeviceChange change, bool discovered, bool wasConnected);

}  // namespace ravix
