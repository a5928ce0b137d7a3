#include "linux/device/UdevWatch.h"

#ifdef RAVIX_HAVE_LIBUDEV

#include <libudev.h>
#include <poll.h>

#include <cerrno>
#include <chrono>
#include <string_view>

#include "linux/device/HidrawWatch.h"

namespace ravix::linux_hid {
namespace {

struct UdevDeleter {
    void operator()(udev* handle) const { udev_unref(handle); }
    void operator()(udev_monitor* monitor) const { udev_monitor_unref(monitor); }
    void operator()(udev_device* device) const { udev_device_unref(device); }
};

template <typename T>
using UdevPtr = std::unique_ptr<T, UdevDeleter>;

class UdevWatch final : public DeviceWatch {
public:
    UdevWatch(UdevPtr<udev> context, UdevPtr<udev_monitor> monitor, const HidrawLocations& locations)
        : m_context(std::move(context)), m_monitor(std::move(monitor)), m_nodes(locations) {}

    DeviceChange WaitForChange(std::uint32_t timeoutMs) override {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            const UdevPtr<udev_device> device(udev_monitor_receive_device(m_monitor.get()));
            if (device) {
                if (const DeviceChange change = Judge(*device); change != DeviceChange::Ignore) return change;
                continue;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return DeviceChange::Ignore;
            pollfd entry{udev_monitor_get_fd(m_monitor.get()), POLLIN, 0};
            if (poll(&entry, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) return DeviceChange::Ignore;
        }
    }

private:
    DeviceChange Judge(udev_device& device) {
        const char* action = udev_device_get_action(&device);
        const char* name = udev_device_get_sysname(&device);
        if (!action || !name) return DeviceChange::Ignore;
        const std::string_view verb(action);
        if (verb == "add") return m_nodes.Added(name);
        if (verb == "remove") return m_nodes.Removed(name);
        return DeviceChange::Ignore;
    }

    UdevPtr<udev> m_context;
    UdevPtr<udev_monitor> m_monitor;
    MouseNodes m_nodes;
};

}  // namespace

std::unique_ptr<DeviceWatch> OpenUdevWatch(const HidrawLocations& locations, const Diagnostics& diagnostics) {
    UdevPtr<udev> context(udev_new());
    UdevPtr<udev_monitor> monitor(context ? udev_monitor_new_from_netlink(context.get(), "udev") : nullptr);
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor.get()) < 0) {
        if (diagnostics) diagnostics("udev's monitor cannot be used; watching the device folder instead");
        return nullptr;
    }
    return std::make_unique<UdevWatch>(std::move(context), std::move(monitor), locations);
}

}  // namespace ravix::linux_hid

#else

namespace ravix::linux_hid {

std::unique_ptr<DeviceWatch> OpenUdevWatch(const HidrawLocations&, const Diagnostics&) {
    return nullptr;
}

}  // namespace ravix::linux_hid

#endif
