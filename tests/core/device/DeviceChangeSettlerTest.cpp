#include <gtest/gtest.h>

#include "core/device/DeviceChange.h"

namespace ravix {
namespace {

constexpr DeviceChange kIn = DeviceChange::Arrival;
constexpr DeviceChange kOut = DeviceChange::Removal;

// Broadcasts 100 ms apart keep coming: the answer is due one second after the first of them at the
// latest, not 400 ms after the last.
TEST(DeviceChangeSettler, AnswersAtTheLatestOneSecondAfterTheFirstBroadcast) {
    DeviceChangeSettler settler;
    const std::uint32_t start = 0xFFFFFF00;  // the tick count wraps during the burst
    EXPECT_EQ(settler.Add(kOut, start), 400u);
    EXPECT_EQ(settler.Add(kIn, start + 100), 400u);
    EXPECT_EQ(settler.Add(kOut, start + 700), 300u);
    EXPECT_EQ(settler.Add(kIn, start + 950), 50u);
    EXPECT_EQ(settler.Add(kIn, start + 1000), 0u);
    EXPECT_EQ(settler.Add(kIn, start + 5000), 0u);
    const SettledDeviceChange burst = settler.Take();
    EXPECT_EQ(burst.last, kIn);
    EXPECT_TRUE(burst.arrived);

    // The next burst starts afresh.
    EXPECT_EQ(settler.Add(kOut, start + 6000), 400u);
    EXPECT_EQ(settler.Take().last, kOut);
    EXPECT_EQ(settler.Take().last, DeviceChange::Ignore);
}

// Unplug, plug and unplug within 400 ms: answered by the last change, a removal.
TEST(DeviceChangeSettler, TheFinalStateDecides) {
    DeviceChangeSettler settler;
    settler.Add(kOut, 0);
    settler.Add(kIn, 150);
    settler.Add(kOut, 300);
    const SettledDeviceChange burst = settler.Take();
    EXPECT_EQ(burst.last, kOut);
    EXPECT_TRUE(burst.arrived);
}

TEST(DeviceChangeSettler, TheResponseFollowsTheFinalStateAndTheDiscovery) {
    struct Case {
        const char* what;
        SettledDeviceChange burst;
        bool discovered, wasConnected;
        std::optional<std::uint8_t> notice;
        bool hide, connected, reconnect;
    } cases[] = {
        {"unplugged for good", {kOut, false}, false, true, kMouseNotDetectedEvent, false, false, false},
        {"out, in, out: a removal", {kOut, true}, false, true, kMouseNotDetectedEvent, false, false, false},
        {"in, but not found", {kIn, true}, false, false, kMouseNotDetectedEvent, true, false, false},
        {"out and in again", {kIn, true}, true, true, kMouseDetectedEvent, false, true, true},
        {"in, then one collection out", {kOut, true}, true, true, kMouseDetectedEvent, false, true, true},
        {"one collection out", {kOut, false}, true, true, std::nullopt, false, true, false},
        {"found while disconnected", {kOut, false}, true, false, kMouseDetectedEvent, false, true, true},
        {"nothing gathered", {DeviceChange::Ignore, false}, true, true, std::nullopt, false, false, false},
    };
    for (const Case& c : cases) {
        const DeviceChangeResponse response = RespondToSettledChange(c.burst, c.discovered, c.wasConnected);
        EXPECT_EQ(response.notice, c.notice) << c.what;
        EXPECT_EQ(response.hideWindow, c.hide) << c.what;
        EXPECT_EQ(response.connected, c.connected) << c.what;
        EXPECT_EQ(response.reconnect, c.reconnect) << c.what;
    }
}

}  // namespace
}  // namespace ravix
