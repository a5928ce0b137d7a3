#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace ravix {

// The mouse's event interface, opened for reading only: the mouse reports its own button events
// here (see EventReport.h). The listener that waits on it belongs to the program and runs on a
// thread of its own, so ReadReport and Cancel may be called from different threads.
class EventChannel {
public:
    // A time-out that never runs out: the read waits for a report, a failure or Cancel.
    static constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;

    virtual ~EventChannel() = default;

    // Reads the next input report into `report`, waiting at most `timeoutMs`. Returns the number of
    // bytes read, or nothing when the read failed, timed out or was cancelled.
    virtual std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report,
                                                  std::uint32_t timeoutMs) = 0;

    // Ends a read that another thread is waiting in, and every later one, with nothing, until
    // AllowReads. Called before the channel may be closed, so that no read is left pending on a
    // closed interface.
    virtual void Cancel() = 0;
    virtual void AllowReads() = 0;
};

}  // namespace ravix
