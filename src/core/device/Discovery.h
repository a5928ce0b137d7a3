#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/device/DeviceLink.h"
#include "core/device/HidBus.h"

namespace ravix {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA0F4;

// What an interface of the bus turned out to be.
enum class InterfaceRole {
    OtherDevice,       // not the mouse (its capabilities are not read)
    OtherCollection,   // the mouse's, but neither of the two below (e.g. its pointer collection)
    EventInterface,    // usage page 0xFF01, usage 1, input reports
    CommandInterface,  // usage page 0xFF00, usage 0xFF00, 9-byte feature reports
};

InterfaceRole ClassifyInterface(const HidAttributes& attributes, const HidCaps& caps);
bool IsMouse(const HidAttributes& attributes);

// How a search ended; only `found` leaves the command interface open.
enum class DiscoveryOutcome {
    Found,
    NoInterfaceSet,          // the platform could not list the HID interfaces
    NotFound,                // the list ended without the command interface
    InterfaceUnreadable,     // an interface's device path could not be read
    ProbeFailed,             // an interface could not be opened even without access rights
    CapabilitiesUnreadable,  // the mouse's preparsed data could not be read or was invalid
    EventOpenFailed,
    CommandOpenFailed,
};

// One interface as the search saw it, for diagnostics (ravixctl devices, debug output).
struct ExaminedInterface {
    std::wstring path;
    std::optional<HidAttributes> attributes;  // nothing when they could not be read
    std::optional<HidCaps> caps;              // read only for the mouse's interfaces
    InterfaceRole role = InterfaceRole::OtherDevice;
};

using DiscoveryObserver = std::function<void(const ExaminedInterface&)>;

// Searches the present HID interfaces in order for the mouse and opens its interfaces into `link`.
// The event interface is opened only when it is listed before the command interface; the search
// stops at the command interface. One unreadable or unprobeable interface ends the whole search.
// Probes are always closed. On success `connected` is set; on failure the callers clear it.
DiscoveryOutcome DiscoverDevice(HidBus& bus, DeviceLink& link, const DiscoveryObserver& observer = {});

// True when the command interface was found and opened.
bool Discover(HidBus& bus, DeviceLink& link);

// Opens the mouse's event interface into `link` wherever the list has it, for a listener that
// must hear the mouse although the search above stopped before its event interface. Interfaces
// that cannot be examined are passed over. True when it was opened.
bool OpenEventInterface(HidBus& bus, DeviceLink& link);

}  // namespace ravix
