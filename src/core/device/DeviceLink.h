#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "core/device/CommandChannel.h"
#include "core/device/EventChannel.h"

namespace ravix {

// The opened interfaces of the mouse and what discovery learnt about them. The program keeps one;
// the window handle, wake event and listener thread that go with it are the program's own.
struct DeviceLink {
    std::unique_ptr<CommandChannel> commandHandle;
    std::unique_ptr<EventChannel> eventHandle;
    std::uint16_t featureReportLength = 0;        // with the report identifier; 9 for this mouse
    std::uint16_t commandInputReportLength = 0;   // with the report identifier
    std::uint16_t commandOutputReportLength = 0;  // kept for information; writes are always 65 bytes
    std::uint16_t eventInputReportLength = 0;     // the listener's read length
    std::wstring devicePath;                      // the interface that discovery examined last
    // Read by the listener thread while the main thread writes it, hence atomic.
    std::atomic<bool> connected = false;
};

}  // namespace ravix
