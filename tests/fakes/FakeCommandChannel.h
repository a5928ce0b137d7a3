#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <vector>

#include "core/device/CommandChannel.h"

namespace ravix::testing_support {

using Bytes = std::vector<std::uint8_t>;

// A command interface whose answers are scripted. An answer that is not scripted, or scripted as
// nothing, fails; a failed transfer scribbles over the caller's buffer, since its contents are then
// unspecified and must not be trusted.
class FakeCommandChannel final : public CommandChannel {
public:
    bool SetFeature(std::span<const std::uint8_t>) override { return acceptsReports; }
    bool WriteReport(std::span<const std::uint8_t>) override { return acceptsReports; }

    bool GetFeature(std::span<std::uint8_t> report) override {
        return Answer(featureReplies, report).has_value();
    }

    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override {
        readTimeouts.push_back(timeoutMs);
        return Answer(inputReports, report);
    }

    bool acceptsReports = true;
    std::deque<std::optional<Bytes>> featureReplies;
    std::deque<std::optional<Bytes>> inputReports;
    std::vector<std::uint32_t> readTimeouts;

private:
    static std::optional<std::size_t> Answer(std::deque<std::optional<Bytes>>& script,
                                             std::span<std::uint8_t> report) {
        std::optional<Bytes> next;
        if (!script.empty()) {
            next = script.front();
            script.pop_front();
        }
        if (!next) {
            std::fill(report.begin(), report.end(), 0xEE);
            return std::nullopt;
        }
        const std::size_t count = std::min(report.size(), next->size());
        std::copy_n(next->begin(), count, report.begin());
        return count;
    }
};

}  // namespace ravix::testing_support
