#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/device/TransferTrace.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeCommandChannel.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using testing_support::FakeClock;
using testing_support::FakeCommandChannel;

TEST(TransferTrace, LinesAreTheTransferNameAndUpperCaseHexBytes) {
    const std::uint8_t bytes[] = {0x00, 0x0A, 0xFF, 0x7d};
    EXPECT_EQ(FormatTransfer("WRITE", bytes), "WRITE 00 0A FF 7D");
    EXPECT_EQ(FormatTransfer("READ", {}), "READ");
}

TEST(TransferTrace, LogsWhatWasReadAndMarksFailures) {
    TransferLog log;
    auto fake = std::make_unique<FakeCommandChannel>();
    fake->inputReports = {testing_support::Bytes{0, 1, 2}, std::nullopt};
    fake->acceptsReports = false;
    TracingCommandChannel channel(std::move(fake), log);
    FakeClock fakeClock;
    TracingClock clock(fakeClock, log);

    std::array<std::uint8_t, 5> report{};
    EXPECT_EQ(channel.ReadReport(report, 1000), 3u);
    EXPECT_FALSE(channel.ReadReport(report, 1000));
    EXPECT_FALSE(channel.WriteReport(report));
    EXPECT_FALSE(channel.GetFeature(report));
    clock.Sleep(20);

    EXPECT_THAT(log.Lines(), ElementsAre("READ 00 01 02", "READ FAILED", "WRITE FAILED", "GET_FEATURE FAILED",
                                         "SLEEP 20"));
    EXPECT_THAT(fakeClock.pauses, ElementsAre(20));  // the pause is still taken
}

}  // namespace
}  // namespace ravix
