#pragma once

#include <cstdint>

#include "core/device/DeviceChange.h"

namespace ravix {

// Tells when interfaces of the mouse arrive or leave, on a platform where no window receives the
// system's device-change broadcasts. One plug-in or unplug may be told once per interface.
class DeviceWatch {
public:
    virtual ~DeviceWatch() = default;

    // Waits up to `timeoutMs` for the next arrival or removal of one of the mouse's interfaces;
    // Ignore when none came in that time.
    virtual DeviceChange WaitForChange(std::uint32_t timeoutMs) = 0;
};

}  // namespace ravix
