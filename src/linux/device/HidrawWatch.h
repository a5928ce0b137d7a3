#pragma once

#include <deque>
#include <memory>
#include <set>
#include <string>

#include "core/device/DeviceWatch.h"
#include "linux/device/HidrawChannels.h"
#include "linux/device/HidrawNodes.h"

namespace ravix::linux_hid {

// Which hidraw nodes are the mouse's, so that a node's arrival or removal can be judged: when a
// node is gone its sysfs entry is gone too, so the mouse's nodes are remembered while present.
class MouseNodes {
public:
    explicit MouseNodes(HidrawLocations locations);

    DeviceChange Added(const std::string& node);
    DeviceChange Removed(const std::string& node);

private:
    HidrawLocations m_locations;
    std::set<std::string> m_nodes;
};

// Hot-plug from the device folder, for machines where no udev runs: a node created there is an
// arrival, a node deleted a removal (inotify).
class DeviceFolderWatch final : public DeviceWatch {
public:
    // Nothing, after a diagnostic, when the folder cannot be watched.
    static std::unique_ptr<DeviceFolderWatch> Open(const HidrawLocations& locations, const Diagnostics& diagnostics);
    ~DeviceFolderWatch() override;

    DeviceChange WaitForChange(std::uint32_t timeoutMs) override;

private:
    DeviceFolderWatch(int fd, HidrawLocations locations) : m_fd(fd), m_nodes(std::move(locations)) {}
    void ReadEvents();

    int m_fd;
    MouseNodes m_nodes;
    std::deque<DeviceChange> m_pending;
};

// The watch that suits the machine: udev's monitor where udev runs (it reports a node once its
// access rights are set), the device folder otherwise. Nothing when neither can be watched.
std::unique_ptr<DeviceWatch> OpenHidrawWatch(const HidrawLocations& locations, const Diagnostics& diagnostics);

}  // namespace ravix::linux_hid
