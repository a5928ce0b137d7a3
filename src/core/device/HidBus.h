#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/device/CommandChannel.h"
#include "core/device/DeviceWatch.h"
#include "core/device/EventChannel.h"

namespace ravix {

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
};

// The top-level collection's usage and its report lengths, each including the report identifier.
struct HidCaps {
    std::uint16_t usage = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

// An interface opened without access rights, only to ask what it is. Destroying it closes it.
class HidProbe {
public:
    virtual ~HidProbe() = default;

    virtual std::optional<HidAttributes> Attributes() = 0;

    // Reads the collection's preparsed data and its capabilities from it (releasing the data).
    // Nothing when the preparsed data cannot be read or is invalid.
    virtual std::optional<HidCaps> Capabilities() = 0;
};

// One entry of the list of present HID interfaces.
struct ListedInterface {
    enum class Status {
        Present,     // `path` holds the interface's device path
        EndOfList,   // no more interfaces, or the enumeration itself failed
        Unreadable,  // the interface exists but its device path could not be read
    };
    Status status = Status::EndOfList;
    std::wstring path;
};

// A snapshot of the HID interfaces present when it was taken. Destroying it frees it.
class HidInterfaceSet {
public:
    virtual ~HidInterfaceSet() = default;

    // The interface at `index` (0, 1, 2, ... in the platform's order).
    virtual ListedInterface Interface(std::uint32_t index) = 0;
};

// All HID interfaces of the machine. Every open returns nothing on failure.
class HidBus {
public:
    virtual ~HidBus() = default;

    // The present HID interfaces, or nothing when the platform cannot list them.
    virtual std::unique_ptr<HidInterfaceSet> PresentInterfaces() = 0;

    // Opens `path` without access rights, sharing reading and writing.
    virtual std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) = 0;

    // Opens `path` for reading and writing as the command interface.
    virtual std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) = 0;

    // Opens `path` for reading only as the event interface (asynchronous reads on Windows).
    virtual std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) = 0;

    // Change notifications for the mouse's interfaces, where the bus gives them itself; nothing
    // where the system tells a window instead (Windows) or nothing ever changes.
    virtual std::unique_ptr<DeviceWatch> WatchChanges() { return nullptr; }
};

}  // namespace ravix
