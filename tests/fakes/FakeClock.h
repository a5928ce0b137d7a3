#pragma once

#include <cstdint>
#include <numeric>
#include <vector>

#include "core/platform/Clock.h"

namespace ravix::testing_support {

// A clock that never waits: it records every pause and moves its tick on by it.
class FakeClock final : public Clock {
public:
    void Sleep(std::uint32_t milliseconds) override {
        pauses.push_back(milliseconds);
        if (fineDepth == 0) ++coarsePauses;
        now += milliseconds;
    }
    std::uint32_t TickCount() override { return now; }
    void BeginFinePauses() override { ++fineDepth, ++fineRequests; }
    void EndFinePauses() override { --fineDepth; }

    std::uint32_t TotalPaused() const { return std::accumulate(pauses.begin(), pauses.end(), 0u); }

    std::vector<std::uint32_t> pauses;
    std::uint32_t now = 0;
    int fineDepth = 0;     // fine pauses asked for and not yet given back
    int fineRequests = 0;  // how often they were asked for
    int coarsePauses = 0;  // pauses taken outside a request for fine ones
};

}  // namespace ravix::testing_support
