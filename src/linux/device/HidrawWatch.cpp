#include "linux/device/HidrawWatch.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>

#include "core/device/Discovery.h"
#include "linux/device/UdevWatch.h"

namespace ravix::linux_hid {

MouseNodes::MouseNodes(HidrawLocations locations) : m_locations(std::move(locations)) {
    for (const std::string& node : ListHidrawNodes(m_locations)) Added(node);
}

DeviceChange MouseNodes::Added(const std::string& node) {
    const auto attributes = ReadNodeAttributes(m_locations, node);
    if (!attributes || !IsMouse(*attributes)) return DeviceChange::Ignore;
    m_nodes.insert(node);
    return DeviceChange::Arrival;
}

DeviceChange MouseNodes::Removed(const std::string& node) {
    return m_nodes.erase(node) ? DeviceChange::Removal : DeviceChange::Ignore;
}

std::unique_ptr<DeviceFolderWatch> DeviceFolderWatch::Open(const HidrawLocations& locations,
                                                           const Diagnostics& diagnostics) {
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd >= 0 && inotify_add_watch(fd, locations.devDir.c_str(), IN_CREATE | IN_DELETE | IN_MOVED_TO | IN_MOVED_FROM) >= 0)
        return std::unique_ptr<DeviceFolderWatch>(new DeviceFolderWatch(fd, locations));
    const int error = errno;
    if (fd >= 0) ::close(fd);
    if (diagnostics) diagnostics(DescribeFailure(locations.devDir.string(), "cannot be watched for the mouse", error));
    return nullptr;
}

DeviceFolderWatch::~DeviceFolderWatch() {
    ::close(m_fd);
}

void DeviceFolderWatch::ReadEvents() {
    alignas(inotify_event) char buffer[sizeof(inotify_event) + NAME_MAX + 1];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0) return;
        for (ssize_t offset = 0; offset + static_cast<ssize_t>(sizeof(inotify_event)) <= length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += sizeof(inotify_event) + event->len;
            const std::string name = event->len ? std::string(event->name) : std::string();
            if (!IsHidrawNodeName(name)) continue;
            const bool gone = event->mask & (IN_DELETE | IN_MOVED_FROM);
            const DeviceChange change = gone ? m_nodes.Removed(name) : m_nodes.Added(name);
            if (change != DeviceChange::Ignore) m_pending.push_back(change);
        }
    }
}

DeviceChange DeviceFolderWatch::WaitForChange(std::uint32_t timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        ReadEvents();
        if (!m_pending.empty()) {
            const DeviceChange change = m_pending.front();
            m_pending.pop_front();
            return change;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return DeviceChange::Ignore;
        pollfd entry{m_fd, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) return DeviceChange::Ignore;
    }
}

std::unique_ptr<DeviceWatch> OpenHidrawWatch(const HidrawLocations& locations, const Diagnostics& diagnostics) {
    // udev runs when its control socket exists; it only watches the real device tree.
    const HidrawLocations system;
    if (locations.sysfsClass == system.sysfsClass && access("/run/udev/control", F_OK) == 0)
        if (auto watch = OpenUdevWatch(locations, diagnostics)) return watch;
    return DeviceFolderWatch::Open(locations, diagnostics);
}

}  // namespace ravix::linux_hid
