#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <thread>

#include "tests/fakes/FakeClock.h"
#include "HidrawTree.h"
#include "RecordedDescriptors.h"
#include "core/device/CommandProtocol.h"
#include "core/device/Discovery.h"

namespace ravix::testing_support {
namespace {

using ::testing::AllOf;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

using Bytes = std::vector<std::uint8_t>;

std::vector<std::wstring> Listed(HidBus& bus) {
    std::vector<std::wstring> paths;
    const auto set = bus.PresentInterfaces();
    for (std::uint32_t index = 0;; ++index) {
        const ListedInterface listed = set->Interface(index);
        if (listed.status != ListedInterface::Status::Present) return paths;
        paths.push_back(listed.path);
    }
}

class LinuxHidBusTest : public HidrawTree {};

// The mouse as three nodes, one collection each, after a keyboard of another maker.
TEST_F(LinuxHidBusTest, OneCollectionPerNodeIsDiscoveredAndTalkedToLikeOnWindows) {
    AddNode("hidraw10", 0x046D, 0xC31C, &kPointerDescriptor);
    AddMouseNode("hidraw2", kPointerDescriptor);
    AddMouseNode("hidraw3", kEventDescriptor);
    FakeNode& command = AddMouseNode("hidraw4", kCommandDescriptor);
    command.featureReply = {0x00, 0x82, 0x04, 0, 0, 0, 0, 0, 0x79};

    EXPECT_THAT(Listed(Bus()), ElementsAre(Path("hidraw2"), Path("hidraw3"), Path("hidraw4"), Path("hidraw10")));
    DeviceLink link;
    ASSERT_EQ(DiscoverDevice(Bus(), link), DiscoveryOutcome::Found);
    EXPECT_TRUE(link.eventHandle);
    EXPECT_EQ(link.eventInputReportLength, 8);
    EXPECT_EQ(link.featureReportLength, 9);
    EXPECT_EQ(link.commandInputReportLength, 65);
    EXPECT_EQ(link.commandOutputReportLength, 65);

    EXPECT_EQ(ReadCurrentProfile(link), 4);
    EXPECT_THAT(command.featuresSent, ElementsAre(Bytes{0x00, 0x82, 0, 0, 0, 0, 0, 0, 0x7D}));
    FakeClock clock;
    const std::array<std::uint8_t, kDeviceBlockSize> block{};
    WriteButtonMap(link, clock, 1, block);
    ASSERT_EQ(command.written.size(), 2u);
    EXPECT_EQ(command.written[0].size(), 65u);

    // The node numbers no reports: what it reads gets the identifier 0 in front.
    command.reports.push_back(Bytes(64, 0xAB));
    std::array<std::uint8_t, 65> report{};
    EXPECT_EQ(link.commandHandle->ReadReport(report, kDataReadTimeoutMs), 65u);
    EXPECT_EQ(report[0], 0x00);
    EXPECT_EQ(report[64], 0xAB);
    EXPECT_EQ(link.commandHandle->ReadReport(report, kDataReadTimeoutMs), std::nullopt);  // nothing came: timed out
}

TEST_F(LinuxHidBusTest, SeveralCollectionsOnANodeAreInterfacesOfTheirOwnAndReadOnlyTheirReports) {
    FakeNode& shared = AddMouseNode("hidraw1", kSharedDescriptor);
    AddMouseNode("hidraw2", kCommandDescriptor);

    EXPECT_THAT(Listed(Bus()), ElementsAre(Path("hidraw1") + L"#1", Path("hidraw1") + L"#2", Path("hidraw1") + L"#3",
                                           Path("hidraw2")));
    std::vector<ExaminedInterface> examined;
    DeviceLink link;
    ASSERT_EQ(DiscoverDevice(Bus(), link, [&](const ExaminedInterface& e) { examined.push_back(e); }),
              DiscoveryOutcome::Found);
    ASSERT_EQ(examined.size(), 4u);
    EXPECT_EQ(examined[0].role, InterfaceRole::OtherCollection);
    EXPECT_EQ(examined[1].role, InterfaceRole::EventInterface);
    EXPECT_EQ(examined[2].role, InterfaceRole::OtherCollection);
    EXPECT_EQ(examined[3].role, InterfaceRole::CommandInterface);

    // The pointer's and the consumer control's reports on the same node are not the event channel's.
    shared.reports = {Bytes{0x01, 0x00, 0x05, 0xFB}, Bytes{0x03, 0xE9, 0x00}, Bytes{0x06, 0x07, 0x01, 0x03, 0, 0, 0, 0}};
    std::array<std::uint8_t, 8> report{};
    EXPECT_EQ(link.eventHandle->ReadReport(report, EventChannel::kWaitForever), 8u);
    EXPECT_THAT(report, ElementsAre(0x06, 0x07, 0x01, 0x03, 0, 0, 0, 0));
}

TEST_F(LinuxHidBusTest, ANodeWithoutPermissionNamesTheNodeAndTheUdevRule) {
    AddMouseNode("hidraw3", kEventDescriptor);
    AddMouseNode("hidraw4", kCommandDescriptor).openError = EACCES;

    DeviceLink link;
    EXPECT_EQ(DiscoverDevice(Bus(), link), DiscoveryOutcome::CommandOpenFailed);
    EXPECT_FALSE(link.connected);
    EXPECT_THAT(diagnostics, ElementsAre(AllOf(HasSubstr(DevPath("hidraw4")), HasSubstr("Permission denied"),
                                               HasSubstr("70-velmar-ravix.rules"))));
}

TEST_F(LinuxHidBusTest, ANodeThatGoesBetweenListingAndOpeningFailsCleanly) {
    AddMouseNode("hidraw3", kEventDescriptor);
    AddMouseNode("hidraw4", kCommandDescriptor);
    const auto set = Bus().PresentInterfaces();

    RemoveNode("hidraw3");
    EXPECT_EQ(Bus().OpenProbe(set->Interface(0).path), nullptr);
    std::filesystem::remove(locations.devDir / "hidraw4");  // the node went, sysfs not yet
    EXPECT_EQ(Bus().OpenCommandChannel(set->Interface(1).path), nullptr);
    EXPECT_THAT(diagnostics, ElementsAre(HasSubstr("no longer present"),
                                         AllOf(HasSubstr(DevPath("hidraw4")), HasSubstr("No such file"))));
    EXPECT_EQ(m_io->openFds, 0);
}

TEST_F(LinuxHidBusTest, DamagedDescriptorsLeaveTheMouseUndiscoveredWithAReason) {
    const Bytes truncated(kCommandDescriptor.begin(), kCommandDescriptor.begin() + 20);
    AddMouseNode("hidraw4", truncated);

    DeviceLink link;
    EXPECT_EQ(DiscoverDevice(Bus(), link), DiscoveryOutcome::CapabilitiesUnreadable);
    ASSERT_FALSE(diagnostics.empty());
    EXPECT_THAT(diagnostics[0], AllOf(HasSubstr(DevPath("hidraw4")), HasSubstr("report descriptor unusable")));
}

TEST_F(LinuxHidBusTest, WithoutTheSysfsDescriptorTheNodeIsAsked) {
    AddNode("hidraw4", 0x04D9, 0xA0F4, nullptr).descriptor = kCommandDescriptor;
    AddNode("hidraw5", 0x04D9, 0xA0F4, nullptr).descriptor = kEventDescriptor;
    nodes[DevPath("hidraw5")].descriptorSizeOverride = 100000;  // a size past the kernel's buffer

    DeviceLink link;
    EXPECT_EQ(DiscoverDevice(Bus(), link), DiscoveryOutcome::Found);
    EXPECT_EQ(link.featureReportLength, 9);
    const auto probe = Bus().OpenProbe(Path("hidraw5"));
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->Capabilities(), std::nullopt);
    ASSERT_FALSE(diagnostics.empty());
    EXPECT_THAT(diagnostics, Each(AllOf(HasSubstr(DevPath("hidraw5")), HasSubstr("HIDIOCGRDESC"))));
}

TEST_F(LinuxHidBusTest, AnEventReadEndsOnUnplugAndOnCancel) {
    FakeNode& event = AddMouseNode("hidraw3", kEventDescriptor);
    AddMouseNode("hidraw4", kCommandDescriptor);
    DeviceLink link;
    ASSERT_EQ(DiscoverDevice(Bus(), link), DiscoveryOutcome::Found);
    std::array<std::uint8_t, 8> report{};

    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        link.eventHandle->Cancel();
    });
    EXPECT_EQ(link.eventHandle->ReadReport(report, EventChannel::kWaitForever), std::nullopt);
    canceller.join();
    EXPECT_EQ(link.eventHandle->ReadReport(report, EventChannel::kWaitForever), std::nullopt);  // until allowed again

    link.eventHandle->AllowReads();
    event.reports.push_back(Bytes{0x06, 0x07, 0x09, 0x02, 0, 0, 0, 0});
    EXPECT_EQ(link.eventHandle->ReadReport(report, EventChannel::kWaitForever), 8u);
    event.hungUp = true;
    EXPECT_EQ(link.eventHandle->ReadReport(report, EventChannel::kWaitForever), std::nullopt);
    nodes[DevPath("hidraw4")].hungUp = true;
    EXPECT_FALSE(link.commandHandle->SetFeature(Bytes(9, 0)));
    EXPECT_THAT(diagnostics, ElementsAre(AllOf(HasSubstr("HIDIOCSFEATURE"), HasSubstr("No such device"))));
}

TEST_F(LinuxHidBusTest, WithoutAnyHidrawNodeThereIsNoMouseAndNoError) {
    std::filesystem::remove_all(locations.sysfsClass);
    DeviceLink link;
    EXPECT_EQ(DiscoverDevice(Bus(), link), DiscoveryOutcome::NotFound);
    EXPECT_TRUE(diagnostics.empty());
}

}  // namespace
}  // namespace ravix::testing_support
