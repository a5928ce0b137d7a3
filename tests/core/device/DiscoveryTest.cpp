#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/device/Discovery.h"
#include "tests/fakes/ScriptedHidBus.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using testing_support::FakeInterface;
using testing_support::MouseCollection;
using testing_support::MouseCommand;
using testing_support::MouseEvent;
using testing_support::MousePointer;
using testing_support::OtherDevice;
using testing_support::ScriptedHidBus;

FakeInterface Unreadable() {
    FakeInterface entry = OtherDevice(L"unreadable");
    entry.status = ListedInterface::Status::Unreadable;
    return entry;
}

FakeInterface Unprobeable() {
    FakeInterface entry = OtherDevice(L"unprobeable");
    entry.probeOpens = false;
    return entry;
}

FakeInterface WithoutCaps(FakeInterface entry) {
    entry.caps.reset();
    return entry;
}

FakeInterface Unopenable(FakeInterface entry) {
    entry.channelOpens = false;
    return entry;
}

FakeInterface WithoutAttributes(FakeInterface entry) {
    entry.attributes.reset();
    return entry;
}

struct DiscoveryCase {
    const char* what;
    std::optional<std::vector<FakeInterface>> interfaces;
    DiscoveryOutcome outcome;
    bool eventOpened;
};

// Every way a search can end, and whether it left the event interface open.
TEST(Discovery, EndsAsTheInterfacesDictate) {
    const std::vector<DiscoveryCase> cases = {
        {"no interface set", std::nullopt, DiscoveryOutcome::NoInterfaceSet, false},
        {"no HID interfaces at all", std::vector<FakeInterface>{}, DiscoveryOutcome::NotFound, false},
        {"only other devices",
         std::vector{OtherDevice(L"kbd"), OtherDevice(L"pad", 0x045E, 0x028E), OtherDevice(L"wine1"),
                     OtherDevice(L"wine2")},
         DiscoveryOutcome::NotFound, false},
        {"the mouse after other devices",
         std::vector{OtherDevice(L"kbd"), MousePointer(), MouseEvent(), MouseCommand()},
         DiscoveryOutcome::Found, true},
        {"an unreadable interface before the mouse", std::vector{Unreadable(), MouseEvent(), MouseCommand()},
         DiscoveryOutcome::InterfaceUnreadable, false},
        {"an unprobeable interface before the mouse",
         std::vector{Unprobeable(), MouseEvent(), MouseCommand()}, DiscoveryOutcome::ProbeFailed, false},
        {"another device without attributes is skipped",
         std::vector{WithoutAttributes(OtherDevice(L"odd")), MouseCommand()}, DiscoveryOutcome::Found, false},
        {"the same vendor with another product", std::vector{OtherDevice(L"sibling", kMouseVendorId, 0xA0F5)},
         DiscoveryOutcome::NotFound, false},
        {"the mouse's pointer collection without capabilities",
         std::vector{WithoutCaps(MousePointer()), MouseEvent(), MouseCommand()},
         DiscoveryOutcome::CapabilitiesUnreadable, false},
        {"the command interface without capabilities", std::vector{MouseEvent(), WithoutCaps(MouseCommand())},
         DiscoveryOutcome::CapabilitiesUnreadable, true},
        {"the event interface cannot be opened", std::vector{Unopenable(MouseEvent()), MouseCommand()},
         DiscoveryOutcome::EventOpenFailed, false},
        {"the command interface cannot be opened", std::vector{MouseEvent(), Unopenable(MouseCommand())},
         DiscoveryOutcome::CommandOpenFailed, true},
        {"the event interface after the command interface", std::vector{MouseCommand(), MouseEvent()},
         DiscoveryOutcome::Found, false},
        {"an unopenable event interface after the command interface",
         std::vector{MouseCommand(), Unopenable(MouseEvent())}, DiscoveryOutcome::Found, false},
        {"the event interface alone", std::vector{MousePointer(), MouseEvent()}, DiscoveryOutcome::NotFound,
         true},
        {"a vendor collection with an 8-byte feature report is not the command interface",
         std::vector{MouseCollection(L"almost", {0xFF00, 0xFF00, 65, 65, 8})}, DiscoveryOutcome::NotFound,
         false},
        {"an event collection without input reports is not the event interface",
         std::vector{MouseCollection(L"mute", {0x0001, 0xFF01, 0, 0, 0}), MouseCommand()},
         DiscoveryOutcome::Found, false},
    };
    for (const DiscoveryCase& c : cases) {
        ScriptedHidBus bus;
        bus.interfaces = c.interfaces;
        DeviceLink link;
        const DiscoveryOutcome outcome = DiscoverDevice(bus, link);

        EXPECT_EQ(outcome, c.outcome) << c.what;
        EXPECT_EQ(link.connected, c.outcome == DiscoveryOutcome::Found) << c.what;
        EXPECT_EQ(link.commandHandle != nullptr, c.outcome == DiscoveryOutcome::Found) << c.what;
        EXPECT_EQ(link.eventHandle != nullptr, c.eventOpened) << c.what;
        EXPECT_EQ(bus.openProbes, 0) << c.what << ": a probe was left open";
        EXPECT_EQ(bus.openSets, 0) << c.what << ": the interface set was not freed";
        ScriptedHidBus again;
        again.interfaces = c.interfaces;
        DeviceLink other;
        EXPECT_EQ(Discover(again, other), c.outcome == DiscoveryOutcome::Found) << c.what;
    }
}

TEST(Discovery, WithoutTheMouseNoHandleStaysOpen) {
    std::vector<FakeInterface> many;
    for (int i = 0; i < 40; ++i) many.push_back(OtherDevice(L"device" + std::to_wstring(i)));
    ScriptedHidBus bus(many);
    DeviceLink link;
    EXPECT_FALSE(Discover(bus, link));
    EXPECT_EQ(bus.probed.size(), 40u);
    EXPECT_EQ(bus.openProbes + bus.openChannels + bus.openSets, 0);
}

TEST(Discovery, StopsAtTheFirstInterfaceThatEndsTheSearch) {
    ScriptedHidBus bus({OtherDevice(L"kbd"), Unprobeable(), MouseEvent(), MouseCommand()});
    DeviceLink link;
    Discover(bus, link);
    EXPECT_THAT(bus.probed, ElementsAre(L"kbd", L"unprobeable"));
    EXPECT_TRUE(bus.openedForEvents.empty());
    EXPECT_TRUE(bus.openedForCommands.empty());
    EXPECT_EQ(link.devicePath, L"unprobeable");
}

TEST(Discovery, KeepsTheReportLengthsOfWhatItOpened) {
    ScriptedHidBus bus({MousePointer(), MouseCollection(L"event", {0x0001, 0xFF01, 6, 0, 0}),
                        MouseCollection(L"command", {0xFF00, 0xFF00, 33, 65, 9}), MouseEvent()});
    DeviceLink link;
    ASSERT_TRUE(Discover(bus, link));
    EXPECT_EQ(link.eventInputReportLength, 6);
    EXPECT_EQ(link.commandInputReportLength, 33);
    EXPECT_EQ(link.commandOutputReportLength, 65);
    EXPECT_EQ(link.featureReportLength, 9);
    EXPECT_EQ(link.devicePath, L"command");
    EXPECT_THAT(bus.probed, ElementsAre(L"mouse-pointer", L"event", L"command"));
}

TEST(Discovery, ARepeatedSearchReplacesTheOpenedInterfacesWithoutLeakingThem) {
    ScriptedHidBus bus({MouseEvent(), MouseCommand()});
    DeviceLink link;
    ASSERT_TRUE(Discover(bus, link));
    ASSERT_TRUE(Discover(bus, link));
    EXPECT_EQ(bus.openChannels, 2);

    // The mouse is gone: its command interface goes with it, and the caller clears `connected`.
    bus.interfaces = std::vector<FakeInterface>{};
    EXPECT_FALSE(Discover(bus, link));
    EXPECT_EQ(link.commandHandle, nullptr);
    EXPECT_EQ(bus.openChannels, 1);  // the event interface stays for the listener until replaced
}

TEST(Discovery, TellsTheObserverWhatEachInterfaceIs) {
    ScriptedHidBus bus({OtherDevice(L"kbd"), MousePointer(), MouseEvent(), MouseCommand()});
    DeviceLink link;
    std::vector<InterfaceRole> roles;
    std::vector<bool> capsRead;
    DiscoverDevice(bus, link, [&](const ExaminedInterface& examined) {
        roles.push_back(examined.role);
        capsRead.push_back(examined.caps.has_value());
    });
    EXPECT_THAT(roles, ElementsAre(InterfaceRole::OtherDevice, InterfaceRole::OtherCollection,
                                   InterfaceRole::EventInterface, InterfaceRole::CommandInterface));
    EXPECT_THAT(capsRead, ElementsAre(false, true, true, true));
}

}  // namespace
}  // namespace ravix
