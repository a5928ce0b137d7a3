#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace ravix {

// The mouse's command interface, opened for reading and writing: the four transfers the command
// protocol uses. Every buffer starts with the report identifier byte. A transfer that fails
// reports false (or no length) and never throws; what the protocol does then is its own rule.
class CommandChannel {
public:
    virtual ~CommandChannel() = default;

    // Sends a feature report (the whole span).
    virtual bool SetFeature(std::span<const std::uint8_t> report) = 0;

    // Gets a feature report of report.size() bytes; report[0] holds the wanted report identifier
    // on entry. On failure the contents of `report` are unspecified.
    virtual bool GetFeature(std::span<std::uint8_t> report) = 0;

    // Writes an output report (the whole span) and waits until it is sent.
    virtual bool WriteReport(std::span<const std::uint8_t> report) = 0;

    // Reads the next input report into `report`, waiting at most `timeoutMs`. Returns the number
    // of bytes read, or nothing when the read failed or timed out (contents then unspecified).
    virtual std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report,
                                                  std::uint32_t timeoutMs) = 0;
};

}  // namespace ravix
