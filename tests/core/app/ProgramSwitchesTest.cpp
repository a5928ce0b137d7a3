#include <gtest/gtest.h>

#include <vector>

#include "core/app/ProgramSwitches.h"

namespace ravix {
namespace {

ProgramSwitches Parse(std::vector<std::wstring> arguments) {
    return ParseProgramSwitches(arguments);
}

TEST(ProgramSwitches, NoneMeansTheRealBusWithoutTrace) {
    const ProgramSwitches switches = Parse({});
    EXPECT_FALSE(switches.simulate);
    EXPECT_FALSE(switches.traceFile.has_value());
}

TEST(ProgramSwitches, ReadsSimulateAndTraceFile) {
    const ProgramSwitches switches = Parse({L"--simulate", L"--trace=C:\\logs\\trace one.txt"});
    EXPECT_TRUE(switches.simulate);
    ASSERT_TRUE(switches.traceFile.has_value());
    EXPECT_EQ(*switches.traceFile, L"C:\\logs\\trace one.txt");
}

TEST(ProgramSwitches, TraceAloneKeepsTheRealBus) {
    const ProgramSwitches switches = Parse({L"--trace=trace.txt"});
    EXPECT_FALSE(switches.simulate);
    EXPECT_EQ(switches.traceFile, L"trace.txt");
}

TEST(ProgramSwitches, IgnoresUnknownMisspeltAndEmptySwitches) {
    const ProgramSwitches switches =
        Parse({L"--SIMULATE", L"-simulate", L"--simulated", L"--trace=", L"--trace", L"file.txt"});
    EXPECT_FALSE(switches.simulate);
    EXPECT_FALSE(switches.traceFile.has_value());
}

TEST(ProgramSwitches, ReadsTheNoticeFileAndIgnoresAnEmptyOne) {
    EXPECT_EQ(Parse({L"--simulate", L"--notices=C:\\n.txt"}).noticeFile, L"C:\\n.txt");
    EXPECT_FALSE(Parse({L"--notices="}).noticeFile.has_value());
    EXPECT_FALSE(Parse({L"--trace=t.txt"}).noticeFile.has_value());
}

TEST(ProgramSwitches, TheLastTraceFileWins) {
    EXPECT_EQ(Parse({L"--trace=a.txt", L"--trace=b.txt"}).traceFile, L"b.txt");
}

}  // namespace
}  // namespace ravix
