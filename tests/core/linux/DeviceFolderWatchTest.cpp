#include <gtest/gtest.h>

#include "HidrawTree.h"
#include "RecordedDescriptors.h"
#include "linux/device/HidrawWatch.h"

namespace ravix::testing_support {
namespace {

class DeviceFolderWatchTest : public HidrawTree {};

TEST_F(DeviceFolderWatchTest, TellsTheMouseArrivingAndLeavingAndNothingElse) {
    AddMouseNode("hidraw1", kCommandDescriptor);  // present before the watch starts
    const auto watch = linux_hid::DeviceFolderWatch::Open(locations, {});
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->WaitForChange(0), DeviceChange::Ignore);

    AddNode("hidraw2", 0x046D, 0xC077, &kPointerDescriptor);
    EXPECT_EQ(watch->WaitForChange(50), DeviceChange::Ignore);
    AddMouseNode("hidraw3", kEventDescriptor);
    EXPECT_EQ(watch->WaitForChange(1000), DeviceChange::Arrival);

    RemoveNode("hidraw2");
    RemoveNode("hidraw1");
    EXPECT_EQ(watch->WaitForChange(1000), DeviceChange::Removal);
    RemoveNode("hidraw3");
    EXPECT_EQ(watch->WaitForChange(1000), DeviceChange::Removal);
    EXPECT_EQ(watch->WaitForChange(50), DeviceChange::Ignore);
}

TEST_F(DeviceFolderWatchTest, AFolderThatCannotBeWatchedIsSaid) {
    std::vector<std::string> said;
    locations.devDir /= "missing";
    EXPECT_EQ(linux_hid::DeviceFolderWatch::Open(locations, [&](const std::string& line) { said.push_back(line); }),
              nullptr);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("missing"), std::string::npos);
}

}  // namespace
}  // namespace ravix::testing_support
