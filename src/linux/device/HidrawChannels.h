#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/device/CommandChannel.h"
#include "core/device/EventChannel.h"
#include "linux/device/HidrawIo.h"

namespace ravix::linux_hid {

// Where the adapter tells what went wrong, with the node and the system's words for it.
using Diagnostics = std::function<void(const std::string&)>;

// "path: what: the system's text for errno".
std::string DescribeFailure(const std::string& path, std::string_view what, int error);

// Which input reports of a node belong to one of its collections. A node that numbers its reports
// starts each with its identifier; one that does not leaves it out, and the channels put the 0 in
// front so that reports look the same as on every platform.
struct ReportSelection {
    bool numbered = false;
    std::vector<std::uint8_t> inputIds;  // empty: every report
};

// The command interface on an open hidraw node: features through HIDIOCSFEATURE/HIDIOCGFEATURE,
// data through write and read with a poll time-out.
class HidrawCommandChannel final : public CommandChannel {
public:
    HidrawCommandChannel(std::unique_ptr<HidrawFd> fd, std::string path, ReportSelection selection,
                         Diagnostics diagnostics);

    bool SetFeature(std::span<const std::uint8_t> report) override;
    bool GetFeature(std::span<std::uint8_t> report) override;
    bool WriteReport(std::span<const std::uint8_t> report) override;
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;

private:
    bool Check(int result, std::string_view what);

    std::unique_ptr<HidrawFd> m_fd;
    std::string m_path;
    ReportSelection m_selection;
    Diagnostics m_diagnostics;
};

// The event interface on a hidraw node opened for reading. Cancel ends a waiting read within a
// tenth of a second: the wait polls in slices and looks at the flag between them.
class HidrawEventChannel final : public EventChannel {
public:
    HidrawEventChannel(std::unique_ptr<HidrawFd> fd, ReportSelection selection);

    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    void Cancel() override { m_cancelled = true; }
    void AllowReads() override { m_cancelled = false; }

private:
    std::unique_ptr<HidrawFd> m_fd;
    ReportSelection m_selection;
    std::atomic<bool> m_cancelled = false;
};

// Reads the next report of the selection from `fd` into `report`, waiting at most `timeoutMs`
// (EventChannel::kWaitForever: no limit) and giving up when `cancelled` becomes true. Reports of
// other collections on the node are dropped. Nothing on time-out, failure, hang-up or cancel.
std::optional<std::size_t> ReadSelectedReport(const HidrawFd& fd, const ReportSelection& selection,
                                              std::span<std::uint8_t> report, std::uint32_t timeoutMs,
                                              const std::atomic<bool>* cancelled);

}  // namespace ravix::linux_hid
