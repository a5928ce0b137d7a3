#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace ravix {

// The mouse's event interface, opened for reading only: the mouse reports its own button events
// here (see EventReport.h). The listener that waits on it belongs to the program.
class EventChannel {
public:
    virtual ~EventChannel() = default;

    // Reads the next input report into `report`, waiting at most `timeoutMs`. Returns the number of
    // bytes read, or nothing when the read failed or timed out.
    virtual std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report,
                                                  std::uint32_t timeoutMs) = 0;
};

}  // namespace ravix
