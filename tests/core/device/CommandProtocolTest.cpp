#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

#include "core/device/CommandProtocol.h"
#include "core/device/TransferTrace.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeCommandChannel.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing_support::Bytes;
using testing_support::FakeClock;
using testing_support::FakeCommandChannel;

std::array<std::uint8_t, kDeviceBlockSize> CountingBlock(std::uint8_t first) {
    std::array<std::uint8_t, kDeviceBlockSize> block;
    std::iota(block.begin(), block.end(), first);
    return block;
}

// The report that carries data bytes [offset, offset + 64) of `data`, zeros past its end.
Bytes DataReport(std::span<const std::uint8_t> data, std::size_t offset) {
    Bytes report(kDataReportLength, 0);
    for (std::size_t i = 0; i < kDataBytesPerReport && offset + i < data.size(); ++i)
        report[1 + i] = data[offset + i];
    return report;
}

std::string Write(std::span<const std::uint8_t> data, std::size_t offset) {
    return FormatTransfer("WRITE", DataReport(data, offset));
}

Bytes FeatureReply(std::uint8_t code, std::uint8_t answer1, std::uint8_t answer2) {
    const auto frame = FrameBytes(MakeFrame(code, answer1, answer2));
    Bytes reply = {0};
    reply.insert(reply.end(), frame.begin(), frame.end());
    return reply;
}

// The protocol over a scripted channel. Transfers and pauses go into one log, so that each test
// can read the exact sequence the mouse would see.
class CommandProtocolTest : public ::testing::Test {
protected:
    CommandProtocolTest() {
        auto fake = std::make_unique<FakeCommandChannel>();
        channel = fake.get();
        link.commandHandle = std::make_unique<TracingCommandChannel>(std::move(fake), log);
        link.featureReportLength = 9;
        link.commandInputReportLength = 65;
        link.connected = true;
    }

    std::vector<std::string> Pauses() const {
        std::vector<std::string> pauses;
        for (const std::string& line : log.Lines())
            if (line.starts_with("SLEEP")) pauses.push_back(line);
        return pauses;
    }

    TransferLog log;
    FakeClock fakeClock;
    TracingClock clock{fakeClock, log};
    FakeCommandChannel* channel = nullptr;
    DeviceLink link;
};

TEST_F(CommandProtocolTest, AFrameGoesOutWithReportIdZeroAndAFreshChecksum) {
    CommandFrame frame = MakeFrame(0x03, 0x02, 0x04);
    frame.checksum = 0x55;  // whatever the caller left there is replaced
    SendCommand(link, frame);
    EXPECT_THAT(log.Lines(), ElementsAre("SET_FEATURE 00 03 02 04 00 00 00 00 F6"));
}

TEST_F(CommandProtocolTest, AReadCommandsReplyReplacesTheWholeFrame) {
    channel->featureReplies.push_back(FeatureReply(0x82, 0x04, 0x00));
    CommandFrame frame = MakeFrame(0x82);
    SendCommand(link, frame);
    EXPECT_THAT(log.Lines(), ElementsAre("SET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                         "GET_FEATURE 00 82 04 00 00 00 00 00 79"));
    EXPECT_EQ(FrameBytes(frame), FrameBytes(MakeFrame(0x82, 0x04)));
}

TEST_F(CommandProtocolTest, AnUnansweredReadLeavesAnAllZeroFrame) {
    CommandFrame frame = MakeFrame(0x82, 0x33, 0x44);
    SendCommand(link, frame);
    EXPECT_EQ(FrameBytes(frame), (std::array<std::uint8_t, 8>{}));
}

TEST_F(CommandProtocolTest, ReadCurrentProfileGivesTheReplysFirstAnswerByte) {
    struct Case {
        std::optional<Bytes> reply;
        std::uint8_t expected;
    } cases[] = {
        {FeatureReply(0x82, 3, 0), 3},
        {FeatureReply(0x82, 5, 0), 5},
        {std::nullopt, 0},              // the mouse does not answer
        {FeatureReply(0x82, 6, 0), 0},  // no such profile: it would index past the six blocks
        {FeatureReply(0x82, 0xFF, 0), 0},
    };
    for (const Case& c : cases) {
        channel->featureReplies = {c.reply};
        EXPECT_EQ(ReadCurrentProfile(link), c.expected);
    }
    EXPECT_TRUE(fakeClock.pauses.empty());
}

TEST_F(CommandProtocolTest, EachCommandWithoutDataTakesItsPause) {
    SendConnect(link, 0xFC);
    SelectProfile(link, clock, 3);
    SetReportRate(link, clock, 3, 2);
    EXPECT_THAT(log.Lines(), ElementsAre("SET_FEATURE 00 01 FC 00 00 00 00 00 02",
                                         "SET_FEATURE 00 02 03 00 00 00 00 00 FA", "SLEEP 10",
                                         "SET_FEATURE 00 03 03 02 00 00 00 00 F7", "SLEEP 10"));
}

TEST_F(CommandProtocolTest, ABlockWriteIsTwoOutputReportsTwentyMillisecondsApart) {
    const auto block = CountingBlock(1);
    WriteProfileBlock(link, clock, block);
    EXPECT_THAT(log.Lines(), ElementsAre("SET_FEATURE 00 0C 00 80 00 00 00 00 73", Write(block, 0),
                                         "SLEEP 20", Write(block, 64), "SLEEP 20", "SLEEP 10"));
}

TEST_F(CommandProtocolTest, TheButtonMapCarriesItsProfileAndAShortPause) {
    const auto block = CountingBlock(7);
    WriteButtonMap(link, clock, 3, block);
    EXPECT_THAT(log.Lines(), ElementsAre("SET_FEATURE 00 0D 03 80 00 00 00 00 6F", Write(block, 0),
                                         "SLEEP 20", Write(block, 64), "SLEEP 20", "SLEEP 2"));
}

TEST_F(CommandProtocolTest, MacroSlotsGoOutInOrderEachWithAnExtraPause) {
    std::array<std::uint8_t, kMacroSlotCount * kDeviceBlockSize> slots;
    for (std::size_t i = 0; i < slots.size(); ++i)
        slots[i] = static_cast<std::uint8_t>(i / kDeviceBlockSize + 1);
    WriteMacroSlots(link, clock, slots);

    std::vector<std::string> expected;
    for (std::uint8_t slot = 1; slot <= 12; ++slot) {
        const auto frame = FrameBytes(MakeFrame(0x0F, slot, 0x80));
        Bytes report = {0};
        report.insert(report.end(), frame.begin(), frame.end());
        const auto data = std::span(slots).subspan((slot - 1) * kDeviceBlockSize, kDeviceBlockSize);
        for (const std::string& line :
             {FormatTransfer("SET_FEATURE", report), Write(data, 0), std::string("SLEEP 20"), Write(data, 64),
              std::string("SLEEP 20"), std::string("SLEEP 20")})
            expected.push_back(line);
    }
    EXPECT_THAT(log.Lines(), ElementsAreArray(expected));
    EXPECT_EQ(fakeClock.TotalPaused(), 12u * 60);
}

TEST_F(CommandProtocolTest, AWriteCommandSendsOneReportPerSixtyFourBytesAnnounced) {
    struct Case {
        std::uint8_t length;
        std::size_t reports;
    } cases[] = {{0, 0}, {1, 1}, {64, 1}, {65, 2}, {128, 2}, {129, 3}, {255, 4}};
    auto block = CountingBlock(0);
    for (const Case& c : cases) {
        log.Clear();
        CommandFrame frame = MakeFrame(0x0C, 0, c.length);
        SendCommandWithData(link, clock, frame, block);
        const auto writes = std::count_if(log.Lines().begin(), log.Lines().end(),
                                          [](const std::string& line) { return line.starts_with("WRITE"); });
        EXPECT_EQ(static_cast<std::size_t>(writes), c.reports) << +c.length;
        EXPECT_EQ(Pauses().size(), c.reports) << +c.length;
    }
    // Announced bytes past the block go out as zeros instead of whatever lies beyond it.
    EXPECT_EQ(log.Lines()[5], Write(block, 128));
    EXPECT_EQ(log.Lines()[7], Write(block, 192));
}

TEST_F(CommandProtocolTest, ReadProfileBlockTakesTheAnnouncedReportsIntoTheBlock) {
    const auto mouseBlock = CountingBlock(0x40);
    channel->featureReplies.push_back(FeatureReply(0x8C, 0, 0x80));
    channel->inputReports = {DataReport(mouseBlock, 0), DataReport(mouseBlock, 64)};
    std::array<std::uint8_t, kDeviceBlockSize> block{};
    ReadProfileBlock(link, clock, block);
    EXPECT_EQ(block, mouseBlock);
    EXPECT_THAT(log.Lines(), ElementsAre("SET_FEATURE 00 8C 00 00 00 00 00 00 73",
                                         "GET_FEATURE 00 8C 00 80 00 00 00 00 F3",
                                         FormatTransfer("READ", DataReport(mouseBlock, 0)),
                                         FormatTransfer("READ", DataReport(mouseBlock, 64)), "SLEEP 10"));
    EXPECT_THAT(channel->readTimeouts, ElementsAre(kDataReadTimeoutMs, kDataReadTimeoutMs));
}

// How a read's data phase treats the block, by what the mouse announces and sends.
TEST_F(CommandProtocolTest, AReadsDataPhaseNeverCorruptsTheBlock) {
    const auto mouseBlock = CountingBlock(0x80);
    const auto before = CountingBlock(0x10);
    auto firstHalfReplaced = before;
    std::copy_n(mouseBlock.begin(), 64, firstHalfReplaced.begin());
    const std::optional<Bytes> timeout;
    struct Case {
        const char* what;
        std::optional<Bytes> reply;
        std::vector<std::optional<Bytes>> reports;
        std::size_t expectedReads;
        std::array<std::uint8_t, kDeviceBlockSize> expected;
    } cases[] = {
        {"no answer: length 0, no data phase", std::nullopt, {}, 0, before},
        {"length 0", FeatureReply(0x8C, 0, 0), {}, 0, before},
        {"length 64: one report, the rest kept",
         FeatureReply(0x8C, 0, 64),
         {DataReport(mouseBlock, 0)},
         1,
         firstHalfReplaced},
        {"first report times out", FeatureReply(0x8C, 0, 128), {timeout}, 1, before},
        {"second report times out",
         FeatureReply(0x8C, 0, 128),
         {DataReport(mouseBlock, 0), timeout},
         2,
         before},
        {"length 193: four reports drained, the first 128 bytes kept",
         FeatureReply(0x8C, 0, 193),
         {DataReport(mouseBlock, 0), DataReport(mouseBlock, 64), Bytes(65, 0xAB), Bytes(65, 0xCD)},
         4,
         mouseBlock},
    };
    for (const Case& c : cases) {
        channel->featureReplies = {c.reply};
        channel->inputReports.assign(c.reports.begin(), c.reports.end());
        channel->readTimeouts.clear();
        // The block sits between guard bytes that nothing may touch.
        std::array<std::uint8_t, kDeviceBlockSize + 2> buffer;
        buffer.front() = buffer.back() = 0x5A;
        std::copy(before.begin(), before.end(), buffer.begin() + 1);
        ReadProfileBlock(link, clock,
                         std::span<std::uint8_t, kDeviceBlockSize>(buffer.data() + 1, kDeviceBlockSize));

        EXPECT_TRUE(std::equal(c.expected.begin(), c.expected.end(), buffer.begin() + 1)) << c.what;
        EXPECT_EQ(buffer.front(), 0x5A) << c.what;
        EXPECT_EQ(buffer.back(), 0x5A) << c.what;
        EXPECT_EQ(channel->readTimeouts.size(), c.expectedReads) << c.what;
    }
}

TEST_F(CommandProtocolTest, PausesAreTakenEvenWhenEveryTransferFails) {
    channel->acceptsReports = false;
    std::array<std::uint8_t, kDeviceBlockSize> block{};
    std::array<std::uint8_t, kMacroSlotCount * kDeviceBlockSize> slots{};
    SelectProfile(link, clock, 1);
    SetReportRate(link, clock, 1, 1);
    WriteProfileBlock(link, clock, block);
    WriteButtonMap(link, clock, 1, block);
    WriteMacroSlots(link, clock, slots);
    ReadProfileBlock(link, clock, block);
    EXPECT_EQ(fakeClock.TotalPaused(), 10u + 10 + 40 + 10 + 40 + 2 + 12 * 60 + 10);
    EXPECT_EQ(std::count(log.Lines().begin(), log.Lines().end(), "WRITE FAILED"), 2 + 2 + 24);
}

TEST_F(CommandProtocolTest, WithoutACommandInterfaceNothingIsSentButThePausesRemain) {
    link.commandHandle.reset();
    std::array<std::uint8_t, kDeviceBlockSize> block = CountingBlock(3);
    const auto before = block;
    EXPECT_EQ(ReadCurrentProfile(link), 0);
    WriteProfileBlock(link, clock, block);
    ReadProfileBlock(link, clock, block);
    EXPECT_EQ(block, before);
    EXPECT_THAT(fakeClock.pauses, ElementsAre(20, 20, 10, 10));
}

}  // namespace
}  // namespace ravix
