#include <gtest/gtest.h>

#include "core/store/ProfilePointerSettings.h"
#include "tests/fakes/FakeNotifier.h"
#include "tests/fakes/FakePointerSettings.h"

namespace ravix {
namespace {

ProfileSettings PointerProfile() {
    ProfileSettings settings{};
    settings.enhancePointerPrecision = 1;
    settings.pointerSpeed = 7;
    settings.wheelScrollLines = 3;
    settings.doubleClickSpeed = 11;
    return settings;
}

TEST(ApplyPointerSettings, FourCallsInOrder) {
    FakePointerSettings pointer;
    FakeNotifier notifier;
    ApplyPointerSettings(PointerProfile(), pointer, notifier);
    EXPECT_EQ(pointer.calls, (std::vector<std::string>{"SETMOUSE 6 10 1", "SETMOUSESPEED 12",
                                                       "SETWHEELSCROLLLINES 3", "SETDOUBLECLICKTIME 200"}));
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(ApplyPointerSettings, PrecisionOffAndOneScreenScrolling) {
    ProfileSettings settings = PointerProfile();
    settings.enhancePointerPrecision = 2;  // anything but 1 is off
    settings.wheelScrollsScreen = 1;
    settings.wheelScrollLines = 0;  // ignored while scrolling by screens
    FakePointerSettings pointer;
    FakeNotifier notifier;
    ApplyPointerSettings(settings, pointer, notifier);
    EXPECT_EQ(pointer.calls[0], "SETMOUSE 0 0 0");
    EXPECT_EQ(pointer.calls[2], "SETWHEELSCROLLLINES 4294967295");
}

TEST(ApplyPointerSettings, EachFailureWarnsAndTheRestStillApply) {
    FakePointerSettings pointer;
    pointer.refuse = {"SETMOUSE", "SETWHEELSCROLLLINES", "SETDOUBLECLICKTIME"};
    FakeNotifier notifier;
    ApplyPointerSettings(PointerProfile(), pointer, notifier);
    EXPECT_EQ(pointer.calls.size(), 4u);
    EXPECT_EQ(notifier.messages, (std::vector<FakeNotifier::Message>{
                                     {L"SETMOUSE failed.", L"Warning"},
                                     {L"SETWHEELSCROLLLINES failed.", L"Warning"},
                                     {L"SPI_SETDOUBLECLICKTIME failed.", L"Warning"},
                                 }));
}

TEST(PointerSettingsValues, DialPositionsAndDamagedValues) {
    struct Case {
        std::uint8_t position;
        int speed;
        std::uint32_t doubleClick;
    } cases[] = {
        {1, 1, 900},   {2, 2, 830},    {7, 12, 480},
        {11, 20, 200}, {12, 20, 200},  // the dial's centre line: the last sector
        {0, 1, 900},   {255, 20, 200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointerSpeedFor(c.position), c.speed) << int(c.position);
        EXPECT_EQ(DoubleClickTimeFor(c.position), c.doubleClick) << int(c.position);
    }
    ProfileSettings settings{};
    for (auto [stored, applied] : {std::pair{0, 1u}, {1, 1u}, {100, 100u}, {101, 100u}}) {
        settings.wheelScrollLines = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(WheelScrollAmountFor(settings), applied) << stored;
    }
}

}  // namespace
}  // namespace ravix
