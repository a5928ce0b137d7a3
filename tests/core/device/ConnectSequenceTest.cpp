#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/device/ConnectSequence.h"
#include "core/device/Discovery.h"
#include "sim/SimulatedBus.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;

class ConnectSequenceTest : public ::testing::Test {
protected:
    ConnectSequenceTest() {
        deviceImage.fill(0xAA);  // whatever an earlier connection left
        EXPECT_TRUE(Discover(bus, link));
    }

    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    DeviceLink link;
    std::array<std::uint8_t, kDeviceImageSize> deviceImage;
    std::uint8_t settingsProfile = 0xEE;
};

TEST_F(ConnectSequenceTest, ReadsTheCurrentProfileThenSendsTheConnectCommand) {
    mouse.SetCurrentProfile(3);
    ConnectSequence(link, deviceImage, settingsProfile);

    EXPECT_EQ(deviceImage[kHeaderCurrentProfile], 3);
    EXPECT_EQ(settingsProfile, 3);
    EXPECT_EQ(deviceImage[kHeaderConnectByte], 0xFC);
    EXPECT_TRUE(
        std::all_of(deviceImage.begin() + 2, deviceImage.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(mouse.Memory()[kHeaderConnectByte], 0xFC);
    EXPECT_THAT(mouse.Log().Lines(), ElementsAre("SET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                                 "GET_FEATURE 00 82 03 00 00 00 00 00 7A",
                                                 "SET_FEATURE 00 01 FC 00 00 00 00 00 02"));
}

TEST_F(ConnectSequenceTest, AMouseThatDoesNotAnswerCountsAsProfileZero) {
    mouse.SetCurrentProfile(4);
    mouse.SetAnswering(false);
    ConnectSequence(link, deviceImage, settingsProfile);
    EXPECT_EQ(deviceImage[kHeaderCurrentProfile], 0);
    EXPECT_EQ(settingsProfile, 0);
    EXPECT_EQ(mouse.Memory()[kHeaderConnectByte], 0xFC);
}

}  // namespace
}  // namespace ravix
