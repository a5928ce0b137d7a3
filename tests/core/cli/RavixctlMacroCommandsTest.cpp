#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliCommand.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/MacroLibraryFixture.h"
#include "tests/fakes/RavixctlRun.h"

namespace ravix {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

using testing_support::Lines;

// The two worked examples: the seven-line macro with its delays and repeat count, and the same four
// events without delay lines, delays off and the repeat count unused.
constexpr std::string_view kWorkedExamples =
    "[Click]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=3\r\nItemCount=7\r\n"
    "Item0=A   Dn\r\nItem1=120 ms\r\nItem2=A   Up\r\nItem3=2050 ms\r\nItem4=L-Button   Dn\r\n"
    "Item5=30000 ms\r\nItem6=L-Button   Up\r\n"
    "[Plain]\r\nDelayTimeSelStatus=0\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=3\r\nItemCount=4\r\n"
    "Item0=A   Dn\r\nItem1=A   Up\r\nItem2=L-Button   Dn\r\nItem3=L-Button   Up\r\n";

// A library file on disk and ravixctl run in-process on it, as a user would type it.
class RavixctlMacros : public MacroLibraryFixture, protected testing_support::RavixctlStreams {
protected:
    using RavixctlStreams::Run;

    std::string LibraryPath() const { return (m_folder / "record.ini").string(); }
    std::string OutputPath() const { return (m_folder / "macros.bin").string(); }
    Bytes Output() const { return ReadWholeFile((m_folder / "macros.bin").wstring(), 1u << 20).bytes; }

    // A macro of `events` key events without delays.
    static std::string Recording(const std::string& name, int events) {
        std::string text = "[" + name + "]\r\nItemCount=" + std::to_string(events) + "\r\n";
        for (int i = 0; i < events; ++i)
            text += "Item" + std::to_string(i) + "=" + (i % 2 == 0 ? "B   Dn" : "B   Up") + "\r\n";
        return text;
    }
};

TEST_F(RavixctlMacros, EncodeWritesTheImageOfTheWorkedExamples) {
    WriteLibrary(std::string(kWorkedExamples));
    ASSERT_EQ(Run({"macros", "encode", LibraryPath(), "-o", OutputPath()}), kExitOk);
    EXPECT_EQ(err.str(), "");
    Bytes expected(1536, 0);
    const Bytes click = {0x00, 0x03, 0x0C, 0x04, 0xB2, 0x04, 0x14, 0x03,
                         0x00, 0xF0, 0x00, 0x03, 0x01, 0x2C, 0x80, 0xF0};
    const Bytes plain = {0x00, 0x01, 0x05, 0x04, 0x85, 0x04, 0x05, 0xF0, 0x85, 0xF0};
    std::copy(click.begin(), click.end(), expected.begin());
    std::copy(plain.begin(), plain.end(), expected.begin() + 128);
    EXPECT_EQ(Output(), expected);
}

TEST_F(RavixctlMacros, EncodeNamesEveryMacroThatWasCut) {
    WriteLibrary(Recording("Short", 63) + Recording("Long", 64) + Recording("Longer", 100));
    ASSERT_EQ(Run({"macros", "encode", "-o", OutputPath(), LibraryPath()}), kExitOk);
    EXPECT_THAT(
        Lines(err.str()),
        ElementsAre("ravixctl: macro 2 \"Long\" was cut: only 63 of its 64 events fit into its slot",
                    "ravixctl: macro 3 \"Longer\" was cut: only 63 of its 100 events fit into its slot"));
    EXPECT_EQ(Output().size(), 1536u);
}

TEST_F(RavixctlMacros, ListShowsNumberRepeatCountEventsAndName) {
    std::string text(kWorkedExamples);
    text += Recording("Long", 64) + "[Empty]\r\nMacroLoopTimes=1\r\n";
    for (int k = 5; k <= 14; ++k) text += Recording("M" + std::to_string(k), 2);
    WriteLibrary(text);
    ASSERT_EQ(Run({"macros", "list", LibraryPath()}), kExitOk);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "No.  Repeat  Events  Name");
    EXPECT_EQ(lines[1], "  1       3       4  Click");
    EXPECT_EQ(lines[2], "  2       1       4  Plain");
    EXPECT_EQ(lines[3], "  3       1      64  Long  (only 63 fit into the slot)");
    EXPECT_EQ(lines[4], "  4       1       0  Empty");
    EXPECT_EQ(lines[12], " 12       1       2  M12");
    EXPECT_EQ(lines[13], " 13       1       2  M13  (beyond the twelve slots: not encoded)");
    EXPECT_EQ(err.str(), "");
}

TEST_F(RavixctlMacros, NamesAreWrittenAsUtf8) {
    ASSERT_TRUE(library().WriteRepeatCount(L"\u5B8F \u00E9", 1));
    ASSERT_EQ(Run({"macros", "list", LibraryPath()}), kExitOk);
    EXPECT_THAT(out.str(), HasSubstr("  \xE5\xAE\x8F \xC3\xA9\n"));
}

TEST_F(RavixctlMacros, AMissingLibraryIsAnErrorAndWritesNothing) {
    EXPECT_EQ(Run({"macros", "list", LibraryPath()}), kExitFailed);
    EXPECT_EQ(Run({"macros", "encode", LibraryPath(), "-o", OutputPath()}), kExitFailed);
    EXPECT_THAT(Lines(err.str()), ElementsAre("ravixctl: " + LibraryPath() + ": no such file",
                                              "ravixctl: " + LibraryPath() + ": no such file"));
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(std::filesystem::exists(OutputPath()));

    // A folder, a pipe or a device is said to be what it is.
    std::filesystem::create_directories(LibraryPath());
    err.str("");
    EXPECT_EQ(Run({"macros", "list", LibraryPath()}), kExitFailed);
    EXPECT_EQ(err.str(), "ravixctl: " + LibraryPath() + ": not a regular file\n");
}

TEST_F(RavixctlMacros, AnOutputThatCannotBeWrittenIsReported) {
    WriteLibrary(std::string(kWorkedExamples));
    const std::string output = (m_folder / "no such folder" / "macros.bin").string();
    EXPECT_EQ(Run({"macros", "encode", LibraryPath(), "-o", output}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("ravixctl: cannot write " + output));
}

TEST_F(RavixctlMacros, MalformedCommandLinesShowTheUsage) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"macros"},
        {"macros", "list"},
        {"macros", "list", "a.ini", "b.ini"},
        {"macros", "list", "--all"},
        {"macros", "encode", "a.ini"},
        {"macros", "encode", "a.ini", "-o"},
        {"macros", "encode", "-o", "out.bin"},
        {"macros", "encode", "a.ini", "b.ini", "-o", "out.bin"},
        {"macros", "encode", "a.ini", "-o", "x", "-o", "y"},
        {"macros", "encode", "a.ini", "-x", "out.bin"},
        {"macros", "play", "a.ini"},
        {"keys", "--all"},
    };
    for (const auto& arguments : cases) {
        err.str("");
        EXPECT_EQ(Run(arguments), kExitUsage) << arguments.size() << " arguments: " << arguments.back();
        EXPECT_THAT(err.str(), HasSubstr("usage: ravixctl")) << arguments.back();
    }
    EXPECT_EQ(out.str(), "");
}

TEST_F(RavixctlMacros, KeysListsEveryCodeWithItsNames) {
    ASSERT_EQ(Run({"keys"}), kExitOk);
    const auto lines = Lines(out.str());
    // The 109 rows of the table, and the three codes that have names but no row.
    ASSERT_EQ(lines.size(), 1u + 109u + 3u);
    EXPECT_EQ(lines[0], "Code  VKey  Scan  Name          Macro line name");
    EXPECT_EQ(lines[1], "0x04  0x41  0x1E  A             A");
    for (const char* line : {
             "0x14  0x51  0x10  Q             Q",
             "0x2A  0x08  0x0E  BackSpace     Backspace",
             "0x32  -     -                   Eurpo(Note 2)",
             "0x58  0x6C  -     Num Enter     Num Enter",
             "0x82  -     -     Sleep",
             "0xE0  0xA2  -     L Ctrl        Ctrl",
             "0xF0  0xF0  -     L Button      L-Button",
             "0xF4  0xF4  -     Button 4",
         })
        EXPECT_THAT(lines, ::testing::Contains(std::string(line)));
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace ravix
