#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fakes/RavixctlRun.h"
#include "core/device/DeviceMemoryLayout.h"
#include "sim/SimulatedBus.h"
#include "sim/SimulatedMouse.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using testing_support::Lines;

class RavixctlSimulatedTest : public testing_support::RavixctlRun {};

TEST_F(RavixctlSimulatedTest, ListenPrintsEachEventOfTheMouseAsTheProgramsNotice) {
    context.simulatedMouseReady = [](SimulatedMouse& mouse) {
        mouse.SetCurrentProfile(2);
        auto memory = mouse.Memory();
        memory[ProfileBlockOffset(2) + kProfileBlockDpiLevels + 1] = 32;  // stage 2: 1600 DPI
        mouse.PressDpiButton();                                            // stage 1 -> 2
        mouse.SelectMacroKey(3);
    };
    EXPECT_EQ(Run({"listen", "--simulate", "--count", "2"}), kExitOk);
    EXPECT_THAT(Lines(out.str()), ElementsAre("The system detect the gaming mouse.",
                                              "Switch DPI into the second stage 1600 (profile 2)",
                                              "Switch to macro key3"));
    EXPECT_EQ(err.str(), "");
}

// The simulated mouse on a bus that reports its plug-ins and unplugs, as the Linux bus does. The
// watch plays a script: the mouse is unplugged, then plugged in again with a macro key pressed.
class WatchedMouseBus final : public HidBus {
public:
    WatchedMouseBus() { m_mouse.PressDpiButton(); }

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override { return m_bus.PresentInterfaces(); }
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override { return m_bus.OpenProbe(path); }
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override {
        return m_bus.OpenCommandChannel(path);
    }
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override {
        return m_bus.OpenEventChannel(path);
    }
    std::unique_ptr<DeviceWatch> WatchChanges() override { return std::make_unique<Script>(*this); }

private:
    class Script final : public DeviceWatch {
    public:
        explicit Script(WatchedMouseBus& owner) : m_owner(owner) {}
        DeviceChange WaitForChange(std::uint32_t) override {
            if (m_step++ % 2 == 1) return DeviceChange::Ignore;  // nothing more of the same moment
            if (m_owner.m_bus.Plugged()) {
                m_owner.m_bus.Unplug();
                return DeviceChange::Removal;
            }
            m_owner.m_bus.Plug();
            m_owner.m_mouse.SelectMacroKey(5);
            return DeviceChange::Arrival;
        }

    private:
        WatchedMouseBus& m_owner;
        int m_step = 0;
    };

    SimulatedMouse m_mouse;
    SimulatedBus m_bus{m_mouse};
};

TEST_F(RavixctlSimulatedTest, ListenFollowsTheMouseOutAndBackIn) {
    context.openSystemBus = [] { return std::make_unique<WatchedMouseBus>(); };
    EXPECT_EQ(Run({"listen", "--count", "2"}), kExitOk);
    EXPECT_THAT(Lines(out.str()), ElementsAre("The system detect the gaming mouse.",
                                              "Switch DPI into the second stage 1600 (profile 0)",
                                              "The system did not detect the gaming mouse!",
                                              "The system detect the gaming mouse.", "Switch to macro key5"));
}

TEST_F(RavixctlSimulatedTest, ListenRefusesBadCounts) {
    for (std::string_view count : {"0", "-1", "x", "3x"}) {
        err.str("");
        EXPECT_EQ(Run({"listen", "--simulate", "--count", count}), kExitUsage) << count;
        EXPECT_THAT(err.str(), HasSubstr("usage: ravixctl listen")) << count;
    }
    EXPECT_EQ(Run({"listen", "--simulate", "--count"}), kExitUsage);
}

TEST_F(RavixctlSimulatedTest, ListenWithoutABusSaysSo) {
    EXPECT_EQ(Run({"listen"}), kExitNoHidBus);
    EXPECT_THAT(err.str(), HasSubstr("no HID bus"));
}

TEST_F(RavixctlSimulatedTest, ProfileSelectsTheProfileAndConfirmsIt) {
    EXPECT_EQ(Run({"profile", "5", "--simulate", "--trace"}), kExitOk);
    EXPECT_THAT(Lines(out.str()), ElementsAre("SET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                              "GET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                              "SET_FEATURE 00 01 FC 00 00 00 00 00 02",
                                              "SET_FEATURE 00 02 05 00 00 00 00 00 F8", "SLEEP 10",
                                              "SET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                              "GET_FEATURE 00 82 05 00 00 00 00 00 78"));
    EXPECT_EQ(err.str(), "Current profile: 5\n");
}

TEST_F(RavixctlSimulatedTest, ProfileSaysWhenTheMouseDoesNotFollow) {
    context.simulatedMouseReady = [](SimulatedMouse& mouse) { mouse.SetAnswering(false); };
    EXPECT_EQ(Run({"profile", "3", "--simulate"}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("the mouse stayed on profile 0"));
}

TEST_F(RavixctlSimulatedTest, ProfileRefusesNumbersTheMouseHasNot) {
    for (std::vector<std::string_view> arguments : std::vector<std::vector<std::string_view>>{
             {"profile"}, {"profile", "6"}, {"profile", "-1"}, {"profile", "12"}, {"profile", "a"},
             {"profile", "1", "--simulat"}}) {
        err.str("");
        EXPECT_EQ(Run(arguments), kExitUsage) << arguments.size();
        EXPECT_FALSE(err.str().empty());
    }
}

}  // namespace
}  // namespace ravix
