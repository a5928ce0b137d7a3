#include "linux/device/HidrawChannels.h"

#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace ravix::linux_hid {
namespace {

constexpr int kCancelCheckMs = 100;

using SteadyClock = std::chrono::steady_clock;

bool Selected(const ReportSelection& selection, std::uint8_t id) {
    return selection.inputIds.empty() ||
           std::find(selection.inputIds.begin(), selection.inputIds.end(), id) != selection.inputIds.end();
}

// Waits for the node to become readable: 1 readable, 0 timed out or cancelled, -1 failed.
int WaitReadable(const HidrawFd& fd, std::uint32_t timeoutMs, const std::atomic<bool>* cancelled) {
    const bool forever = timeoutMs == EventChannel::kWaitForever;
    std::int64_t remaining = timeoutMs;
    while (!(cancelled && *cancelled)) {
        const std::int64_t wanted = forever ? -1 : remaining;
        const int slice = static_cast<int>(cancelled && (forever || wanted > kCancelCheckMs) ? kCancelCheckMs : wanted);
        pollfd entry{fd.Get(), POLLIN, 0};
        const int ready = fd.Io().Poll(&entry, 1, slice);
        if (ready < 0 && ready != -EINTR) return -1;
        if (ready > 0) return (entry.revents & POLLIN) ? 1 : -1;  // hang-up or error: the node is gone
        if (!forever && (remaining -= std::max(slice, 1)) <= 0) return 0;
    }
    return 0;
}

}  // namespace

std::string DescribeFailure(const std::string& path, std::string_view what, int error) {
    std::string text = path + ": " + std::string(what) + ": " + std::strerror(error);
    if (error == EACCES || error == EPERM)
        text += " (install the udev rule 70-velmar-ravix.rules and plug the mouse in again; see the README, "
                "section Linux)";
    return text;
}

std::optional<std::size_t> ReadSelectedReport(const HidrawFd& fd, const ReportSelection& selection,
                                              std::span<std::uint8_t> report, std::uint32_t timeoutMs,
                                              const std::atomic<bool>* cancelled) {
    if (report.empty()) return std::nullopt;
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
    // Without numbered reports the data goes after the identifier byte the platform's layout has.
    const std::span<std::uint8_t> data = selection.numbered ? report : report.subspan(1);
    for (std::uint32_t wait = timeoutMs;;) {
        if (WaitReadable(fd, wait, cancelled) != 1) return std::nullopt;
        const ssize_t count = fd.Io().Read(fd.Get(), data.data(), data.size());
        if (count == -EAGAIN) continue;
        if (count <= 0) return std::nullopt;
        if (!selection.numbered) {
            report[0] = 0;
            return static_cast<std::size_t>(count) + 1;
        }
        if (Selected(selection, report[0])) return static_cast<std::size_t>(count);
        // A report of another collection on the same node: not this channel's. Wait on for the rest.
        if (wait == EventChannel::kWaitForever) continue;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now());
        if (left.count() <= 0) return std::nullopt;
        wait = static_cast<std::uint32_t>(left.count());
    }
}

HidrawCommandChannel::HidrawCommandChannel(std::unique_ptr<HidrawFd> fd, std::string path,
                                           ReportSelection selection, Diagnostics diagnostics)
    : m_fd(std::move(fd)),
      m_path(std::move(path)),
      m_selection(std::move(selection)),
      m_diagnostics(std::move(diagnostics)) {}

bool HidrawCommandChannel::Check(int result, std::string_view what) {
    if (result >= 0) return true;
    if (m_diagnostics) m_diagnostics(DescribeFailure(m_path, what, -result));
    return false;
}

bool HidrawCommandChannel::SetFeature(std::span<const std::uint8_t> report) {
    std::vector<std::uint8_t> buffer(report.begin(), report.end());  // the call takes a writable buffer
    return Check(m_fd->Io().Ioctl(m_fd->Get(), HIDIOCSFEATURE(buffer.size()), buffer.data()), "HIDIOCSFEATURE");
}

bool HidrawCommandChannel::GetFeature(std::span<std::uint8_t> report) {
    return Check(m_fd->Io().Ioctl(m_fd->Get(), HIDIOCGFEATURE(report.size()), report.data()), "HIDIOCGFEATURE");
}

bool HidrawCommandChannel::WriteReport(std::span<const std::uint8_t> report) {
    const ssize_t written = m_fd->Io().Write(m_fd->Get(), report.data(), report.size());
    if (written >= 0 && static_cast<std::size_t>(written) != report.size()) return Check(-EIO, "write");
    return Check(written < 0 ? static_cast<int>(written) : 0, "write");
}

std::optional<std::size_t> HidrawCommandChannel::ReadReport(std::span<std::uint8_t> report,
                                                            std::uint32_t timeoutMs) {
    return ReadSelectedReport(*m_fd, m_selection, report, timeoutMs, nullptr);
}

HidrawEventChannel::HidrawEventChannel(std::unique_ptr<HidrawFd> fd, ReportSelection selection)
    : m_fd(std::move(fd)), m_selection(std::move(selection)) {}

std::optional<std::size_t> HidrawEventChannel::ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) {
    return ReadSelectedReport(*m_fd, m_selection, report, timeoutMs, &m_cancelled);
}

}  // namespace ravix::linux_hid
