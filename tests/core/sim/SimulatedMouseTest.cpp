#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <thread>

#include "core/device/CommandProtocol.h"
#include "core/device/Discovery.h"
#include "core/device/EventReport.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"
#include "tests/fakes/FakeClock.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using testing_support::FakeClock;

std::array<std::uint8_t, kDeviceBlockSize> CountingBlock(std::uint8_t first) {
    std::array<std::uint8_t, kDeviceBlockSize> block;
    std::iota(block.begin(), block.end(), first);
    return block;
}

bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// The protocol talking to the simulated mouse through its bus, the way the program does.
class SimulatedMouseTest : public ::testing::Test {
protected:
    void Connect() { ASSERT_TRUE(Discover(bus, link)); }

    std::optional<DeviceEvent> NextEvent() {
        std::array<std::uint8_t, kSimEventReportLength> report{};
        if (!link.eventHandle || !link.eventHandle->ReadReport(report, 0)) return std::nullopt;
        return ParseEventReport(report);
    }

    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    FakeClock fakeClock;
    TracingClock clock{fakeClock, mouse.Log()};
    DeviceLink link;
};

TEST_F(SimulatedMouseTest, ListsItsThreeInterfacesInTheChosenOrder) {
    using enum SimulatedInterface;
    struct Case {
        std::vector<SimulatedInterface> order;
        bool eventOpened;
    } cases[] = {
        {{Pointer, Event, Command}, true},
        {{Event, Pointer, Command}, true},
        {{Command, Event, Pointer}, false},
        {{Pointer, Command, Event}, false},
    };
    for (const Case& c : cases) {
        bus.SetInterfaceOrder(c.order);
        DeviceLink fresh;
        EXPECT_TRUE(Discover(bus, fresh));
        EXPECT_EQ(fresh.eventHandle != nullptr, c.eventOpened);
        EXPECT_EQ(fresh.featureReportLength, 9);
        EXPECT_EQ(fresh.commandInputReportLength, 65);
    }
}

TEST_F(SimulatedMouseTest, StoresEachWriteWhereItBelongs) {
    Connect();
    const auto profileBlock = CountingBlock(1);
    const auto buttonMap = CountingBlock(100);
    std::array<std::uint8_t, kMacroSlotCount * kDeviceBlockSize> slots;
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<std::uint8_t>(i * 7 + i / 128);

    SendConnect(link, 0xFC);
    SelectProfile(link, clock, 2);
    SetReportRate(link, clock, 2, 4);
    WriteProfileBlock(link, clock, profileBlock);
    WriteButtonMap(link, clock, 2, buttonMap);
    WriteMacroSlots(link, clock, slots);

    EXPECT_EQ(mouse.Memory()[kHeaderCurrentProfile], 2);
    EXPECT_EQ(mouse.Memory()[kHeaderConnectByte], 0xFC);
    EXPECT_EQ(mouse.Memory()[kHeaderReportRate], 4);
    EXPECT_TRUE(SameBytes(mouse.ProfileBlock(2), profileBlock));
    EXPECT_FALSE(SameBytes(mouse.ProfileBlock(1), profileBlock));
    EXPECT_TRUE(SameBytes(mouse.ButtonMap(), buttonMap));
    for (std::size_t slot = 1; slot <= kMacroSlotCount; ++slot)
        EXPECT_TRUE(SameBytes(mouse.MacroSlot(slot), std::span(slots).subspan((slot - 1) * 128, 128)))
            << slot;
    EXPECT_EQ(mouse.RejectedFrames(), 0u);
}

TEST_F(SimulatedMouseTest, AnswersTheTwoReadCommands) {
    Connect();
    SelectProfile(link, clock, 4);
    EXPECT_EQ(ReadCurrentProfile(link), 4);
    std::array<std::uint8_t, kDeviceBlockSize> block{};
    ReadProfileBlock(link, clock, block);
    EXPECT_TRUE(SameBytes(block, mouse.ProfileBlock(4)));
    // A fresh mouse holds DPI levels in every profile, so a DPI notice has a value to show.
    EXPECT_EQ(block[kProfileBlockDpiLevels + 2], 48);
}

TEST_F(SimulatedMouseTest, LogsEveryTransferAndPauseInTheTraceFormat) {
    Connect();
    SelectProfile(link, clock, 1);
    ReadCurrentProfile(link);
    std::array<std::uint8_t, kDeviceBlockSize> block{};
    ReadProfileBlock(link, clock, block);

    std::array<std::uint8_t, 65> firstHalf{}, secondHalf{};
    std::copy_n(mouse.ProfileBlock(1).begin(), 64, firstHalf.begin() + 1);
    std::copy_n(mouse.ProfileBlock(1).begin() + 64, 64, secondHalf.begin() + 1);
    EXPECT_THAT(
        mouse.Log().Lines(),
        ElementsAre("SET_FEATURE 00 02 01 00 00 00 00 00 FC", "SLEEP 10",
                    "SET_FEATURE 00 82 00 00 00 00 00 00 7D", "GET_FEATURE 00 82 01 00 00 00 00 00 7C",
                    "SET_FEATURE 00 8C 00 00 00 00 00 00 73", "GET_FEATURE 00 8C 00 80 00 00 00 00 F3",
                    FormatTransfer("READ", firstHalf), FormatTransfer("READ", secondHalf), "SLEEP 10"));
    EXPECT_EQ(fakeClock.pauses, std::vector<std::uint32_t>({10, 10}));
}

TEST_F(SimulatedMouseTest, IgnoresAndCountsFramesWithABadChecksum) {
    Connect();
    std::array<std::uint8_t, 9> report = {0, 0x02, 0x05, 0, 0, 0, 0, 0, 0x00};  // checksum should be F8
    EXPECT_TRUE(link.commandHandle->SetFeature(report));
    report[8] = 0xF8;
    report[2] = 0x03;  // and now wrong again for 02 03
    link.commandHandle->SetFeature(report);
    EXPECT_EQ(mouse.RejectedFrames(), 2u);
    EXPECT_EQ(mouse.CurrentProfile(), 0);
    SelectProfile(link, clock, 5);
    EXPECT_EQ(mouse.CurrentProfile(), 5);
}

TEST_F(SimulatedMouseTest, DataWithoutAnAnnouncedBlockChangesNothing) {
    Connect();
    const auto before = std::vector<std::uint8_t>(mouse.Memory().begin(), mouse.Memory().end());
    std::array<std::uint8_t, 65> report;
    report.fill(0x77);
    link.commandHandle->WriteReport(report);
    SelectProfile(link, clock, 0);  // a command in between ends the announced block
    CommandFrame frame = MakeFrame(kMacroSlotCommand, 13, 0x80);  // no such slot
    std::array<std::uint8_t, kDeviceBlockSize> block;
    block.fill(0x66);
    SendCommandWithData(link, clock, frame, block);
    EXPECT_TRUE(SameBytes(mouse.Memory(), before));
}

TEST_F(SimulatedMouseTest, ASilentMouseGivesZerosAndLeavesTheBlockAlone) {
    Connect();
    SelectProfile(link, clock, 3);
    mouse.SetAnswering(false);
    EXPECT_EQ(ReadCurrentProfile(link), 0);
    auto block = CountingBlock(9);
    const auto before = block;
    ReadProfileBlock(link, clock, block);
    EXPECT_EQ(block, before);
}

TEST_F(SimulatedMouseTest, UnpluggingKillsTheOpenInterfacesUntilANewDiscovery) {
    Connect();
    bus.Unplug();
    EXPECT_FALSE(Discover(bus, link));
    DeviceLink stale;
    bus.Plug();
    ASSERT_TRUE(Discover(bus, stale));
    bus.Unplug();
    bus.Plug();
    // A channel opened before an unplug stays dead, as a real handle does.
    SelectProfile(stale, clock, 3);
    EXPECT_EQ(mouse.CurrentProfile(), 0);
    EXPECT_EQ(mouse.Log().Lines().front(), "SET_FEATURE FAILED");
    ASSERT_TRUE(Discover(bus, link));
    SelectProfile(link, clock, 3);
    EXPECT_EQ(mouse.CurrentProfile(), 3);
}

TEST_F(SimulatedMouseTest, ReportsItsButtonsOnTheEventInterface) {
    Connect();
    for (int press = 0; press < 5; ++press) mouse.PressDpiButton();
    mouse.SelectMacroKey(3);
    std::vector<std::pair<int, int>> events;
    while (auto event = NextEvent()) events.emplace_back(event->code, event->value);
    EXPECT_THAT(events, ElementsAre(std::pair(1, 2), std::pair(1, 3), std::pair(1, 4), std::pair(1, 1),
                                    std::pair(1, 2), std::pair(9, 3)));
    EXPECT_EQ(mouse.DpiStage(), 2);
}

// The program's listener waits on the event interface on a thread of its own.
TEST_F(SimulatedMouseTest, AWaitingEventReadEndsWithAnEventAnUnplugOrACancel) {
    struct Case {
        const char* what;
        std::function<void()> act;
        bool reportsAnEvent;
    } cases[] = {
        {"macro key", [this] { mouse.SelectMacroKey(4); }, true},
        {"unplug", [this] { bus.Unplug(); }, false},
        {"cancel", [this] { link.eventHandle->Cancel(); }, false},
    };
    for (const Case& c : cases) {
        bus.Plug();
        Connect();
        std::optional<std::size_t> read;
        std::array<std::uint8_t, kSimEventReportLength> report{};
        std::thread listener([&] { read = link.eventHandle->ReadReport(report, EventChannel::kWaitForever); });
        c.act();
        listener.join();
        EXPECT_EQ(read.has_value(), c.reportsAnEvent) << c.what;
        if (c.reportsAnEvent) {
            EXPECT_EQ(ParseEventReport(report)->value, 4) << c.what;
        }
    }
}

TEST_F(SimulatedMouseTest, ACancelledEventInterfaceReadsNothingUntilReadsAreAllowedAgain) {
    Connect();
    mouse.PressDpiButton();
    link.eventHandle->Cancel();
    EXPECT_EQ(NextEvent(), std::nullopt);
    link.eventHandle->AllowReads();
    EXPECT_EQ(NextEvent()->code, kFirstDpiStageEvent);
}

}  // namespace
}  // namespace ravix
