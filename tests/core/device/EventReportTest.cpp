#include <gtest/gtest.h>

#include <vector>

#include "core/device/EventReport.h"

namespace ravix {
namespace {

TEST(EventReport, OnlyReportsStartingWith06_07AreEvents) {
    struct Case {
        std::vector<std::uint8_t> report;
        std::optional<std::uint8_t> code, value;
    } cases[] = {
        {{6, 7, 1, 3}, 1, 3},
        {{6, 7, 9, 0, 0, 0, 0, 0}, 9, 0},
        {{6, 7, 0xFF, 0xFF, 1, 2}, 0xFF, 0xFF},
        {{6, 8, 1, 3}, std::nullopt, std::nullopt},
        {{5, 7, 1, 3}, std::nullopt, std::nullopt},
        {{7, 6, 1, 3}, std::nullopt, std::nullopt},
        {{6, 7, 1}, std::nullopt, std::nullopt},  // too short to hold a value
        {{}, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto event = ParseEventReport(c.report);
        ASSERT_EQ(event.has_value(), c.code.has_value()) << c.report.size();
        if (event) {
            EXPECT_EQ(event->code, *c.code);
            EXPECT_EQ(event->value, *c.value);
        }
    }
}

}  // namespace
}  // namespace ravix
