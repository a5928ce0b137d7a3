#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommand.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/RavixctlRun.h"
#include "tests/fakes/ScriptedHidBus.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

using testing_support::Lines;

class RavixctlTest : public testing_support::RavixctlRun {};

TEST_F(RavixctlTest, ConnectWithTraceShowsExactlyTheConnectSequence) {
    EXPECT_EQ(Run({"connect", "--simulate", "--trace"}), kExitOk);
    EXPECT_THAT(Lines(out.str()), ElementsAre("SET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                              "GET_FEATURE 00 82 00 00 00 00 00 00 7D",
                                              "SET_FEATURE 00 01 FC 00 00 00 00 00 02"));
    EXPECT_EQ(err.str(), "Current profile: 0\n");
}

TEST_F(RavixctlTest, ConnectPrintsTheProfileTheMouseReported) {
    EXPECT_EQ(Run({"connect", "--simulate"}), kExitOk);
    EXPECT_EQ(out.str(), "Current profile: 0\n");
    EXPECT_EQ(err.str(), "");
}

TEST_F(RavixctlTest, DevicesNamesTheCommandAndEventInterfaces) {
    EXPECT_EQ(Run({"devices", "--simulate"}), kExitOk);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_THAT(lines[0], HasSubstr("usage page 0001 usage 0002"));
    EXPECT_THAT(lines[1], HasSubstr("usage page FF01 usage 0001  input 8"));
    EXPECT_THAT(lines[1], HasSubstr("(mouse, event interface)"));
    EXPECT_THAT(
        lines[2],
        HasSubstr("vendor 04D9 product A0F4  usage page FF00 usage FF00  input 65 output 65 feature 9"));
    EXPECT_THAT(lines[2], HasSubstr("(mouse, command interface)"));
    EXPECT_EQ(lines[3], "mouse found");
}

TEST_F(RavixctlTest, WithoutASystemBusTheRealMouseCannotBeReached) {
    for (std::string_view command : {"devices", "connect"}) {
        err.str("");
        EXPECT_EQ(Run({command}), kExitNoHidBus) << command;
        EXPECT_THAT(err.str(), HasSubstr("no HID bus is available on this platform yet")) << command;
    }
    EXPECT_EQ(out.str(), "");
}

TEST_F(RavixctlTest, UsesTheSystemBusWhenThereIsOne) {
    context.openSystemBus = [] {
        return std::make_unique<testing_support::ScriptedHidBus>(
            std::vector{testing_support::OtherDevice(L"\\\\?\\HID#VID_046D&PID_C077#1")});
    };
    EXPECT_EQ(Run({"devices"}), kExitFailed);
    EXPECT_THAT(Lines(out.str()),
                ElementsAre("\\\\?\\HID#VID_046D&PID_C077#1  vendor 046D product C077  (not the mouse)",
                            "mouse not found"));
    EXPECT_EQ(Run({"connect", "--trace"}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("mouse not found"));
}

TEST_F(RavixctlTest, VersionPrintsTheBuildsVersionNumber) {
    EXPECT_EQ(Run({"--version"}), kExitOk);
    EXPECT_THAT(out.str(), testing::MatchesRegex("ravixctl [0-9]+\\.[0-9]+\\.[0-9]+\n"));
}

TEST_F(RavixctlTest, BadCommandLinesGetTheUsage) {
    struct Case {
        std::vector<std::string_view> arguments;
        const char* message;
    } cases[] = {
        {{}, "usage: ravixctl"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"connect", "--simulate", "--tarce"}, "unexpected argument '--tarce'"},
        {{"devices", "--trace"}, "unexpected argument '--trace'"},
    };
    for (const Case& c : cases) {
        err.str("");
        EXPECT_EQ(Run(c.arguments), kExitUsage) << c.message;
        EXPECT_THAT(err.str(), HasSubstr(c.message));
    }
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace ravix
