#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/app/DeviceEventNotice.h"
#include "core/device/Discovery.h"
#include "sim/SimulatedBus.h"
#include "tests/fakes/FakeClock.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DeviceEventNoticeTest : public ::testing::Test {
protected:
    DeviceEventNoticeTest() {
        EXPECT_TRUE(Discover(bus, link));
        mouse.SetCurrentProfile(2);
        // Stage 3 of profile 2 is 16 units, 800 DPI.
        mouse.Memory()[ProfileBlockOffset(2) + kProfileBlockDpiLevels + 2] = 16;
    }

    std::optional<Notice> Handle(std::uint32_t code, std::uint32_t value,
                                 Language language = Language::English) {
        return HandleDeviceEvent(TextCatalogueFor(language), code, value, link, clock, deviceImage);
    }

    // The command codes sent, in order ("82", "8C").
    std::vector<std::string> CommandsSent() {
        std::vector<std::string> commands;
        for (const std::string& line : mouse.Log().Lines())
            if (line.rfind("SET_FEATURE 00 ", 0) == 0) commands.push_back(line.substr(15, 2));
        return commands;
    }

    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    DeviceLink link;
    testing_support::FakeClock clock;
    std::array<std::uint8_t, kDeviceImageSize> deviceImage{};
};

TEST_F(DeviceEventNoticeTest, EveryRowOfTheHandlingTable) {
    struct Case {
        std::uint32_t code, value;
        bool readsTheMouse;
        std::optional<Notice> notice;
    } cases[] = {
        {1, 3, true, Notice{L"Switch DPI into the third stage 800", L"Info", 5000}},
        {2, 3, true, Notice{L"Switch DPI into the third stage 800", L"Info", 5000}},
        {3, 1, true, Notice{L"Switch DPI into the first stage 800", L"Info", 5000}},  // profile 2 starts at 16
        {3, 6, true, Notice{L"Switch DPI into the sixth stage 4800", L"Info", 5000}},
        {1, 0, false, std::nullopt},
        {1, 7, false, std::nullopt},
        {2, 255, false, std::nullopt},
        {9, 3, false, Notice{L"Switch to macro key3", L"Info", 5000}},
        {9, 12, false, Notice{L"Switch to macro key12", L"Info", 5000}},
        {9, 0, false, std::nullopt},
        {14, 0, false, Notice{L"The system detect the gaming mouse.", L"Info", 100}},
        {14, 77, false, Notice{L"The system detect the gaming mouse.", L"Info", 100}},
        {15, 0, false, Notice{L"The system did not detect the gaming mouse!", L"Warning", 100}},
        {0, 1, false, std::nullopt},
        {4, 1, false, std::nullopt},
        {10, 1, false, std::nullopt},
        {16, 0, false, std::nullopt},
        {0x101, 3, false, std::nullopt},  // a code past one byte is not code 1
    };
    for (const Case& c : cases) {
        mouse.Log().Clear();
        const std::optional<Notice> notice = Handle(c.code, c.value);
        EXPECT_EQ(notice, c.notice) << c.code << "/" << c.value;
        if (c.readsTheMouse)
            EXPECT_THAT(CommandsSent(), ElementsAre("82", "8C")) << c.code << "/" << c.value;
        else
            EXPECT_THAT(mouse.Log().Lines(), IsEmpty()) << c.code << "/" << c.value;
    }
}

TEST_F(DeviceEventNoticeTest, TheStageChangeStoresTheProfileAndItsBlockInTheDeviceImage) {
    ASSERT_TRUE(Handle(1, 3));
    EXPECT_EQ(deviceImage[kHeaderCurrentProfile], 2);
    EXPECT_TRUE(std::equal(deviceImage.begin() + ProfileBlockOffset(2),
                           deviceImage.begin() + ProfileBlockOffset(3), mouse.ProfileBlock(2).begin()));
}

TEST_F(DeviceEventNoticeTest, AMouseThatDoesNotAnswerShowsWhatTheBlockHeldBefore) {
    deviceImage[ProfileBlockOffset(0) + kProfileBlockDpiLevels + 1] = 20;
    mouse.SetAnswering(false);  // the profile reads as 0, the block read fails
    EXPECT_EQ(Handle(1, 2)->text, L"Switch DPI into the second stage 1000");
}

TEST_F(DeviceEventNoticeTest, NoticesSpeakTheLanguage) {
    EXPECT_EQ(Handle(1, 3, Language::SimplifiedChinese)->text, L"DPI切换到第三段 800");
    EXPECT_EQ(Handle(9, 3, Language::TraditionalChinese)->text, L"切換到巨集3");
    EXPECT_EQ(Handle(15, 0, Language::SimplifiedChinese)->text, L"系统没有检测到游戏鼠标！");
    // The titles are the same in every language.
    EXPECT_EQ(Handle(15, 0, Language::TraditionalChinese)->title, L"Warning");
    EXPECT_EQ(Handle(14, 0, Language::SimplifiedChinese)->title, L"Info");
}

}  // namespace
}  // namespace ravix
