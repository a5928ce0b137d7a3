#include <gtest/gtest.h>

#include <limits>

#include "core/macros/MacroLibrary.h"
#include "tests/fakes/MacroLibraryFixture.h"

namespace ravix {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SlotBytes(const MacroSlot& slot) {
    Bytes bytes(slot.repeatCount.begin(), slot.repeatCount.end());
    bytes.insert(bytes.end(), slot.events.begin(), slot.events.end());
    return bytes;
}

Bytes Padded(Bytes bytes) {
    bytes.resize(sizeof(MacroSlot), 0);
    return bytes;
}

class EncodeLibraryFile : public MacroLibraryFixture {};

TEST_F(EncodeLibraryFile, TheWorkedExampleFromAHandMadeFile) {
    WriteLibrary(
        "[Click]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=3\r\nItemCount=7\r\n"
        "Item0=A   Dn\r\nItem1=120 ms\r\nItem2=A   Up\r\nItem3=2050 ms\r\nItem4=L-Button   Dn\r\n"
        "Item5=30000 ms\r\nItem6=L-Button   Up\r\n");
    const MacroEncoding encoding = EncodeLibrary(library(), 1);
    EXPECT_EQ(SlotBytes(encoding.image.slots[0]), Padded({0x00, 0x03, 0x0C, 0x04, 0xB2, 0x04, 0x14, 0x03,
                                                          0x00, 0xF0, 0x00, 0x03, 0x01, 0x2C, 0x80, 0xF0}));
    for (std::size_t k = 1; k < kMacroSlotCount; ++k) EXPECT_EQ(encoding.image.slots[k], MacroSlot{}) << k;
}

TEST_F(EncodeLibraryFile, NothingToEncodeGivesZeros) {
    EXPECT_EQ(EncodeLibrary(library(), 3).image, MacroImage{});  // no file
    ASSERT_TRUE(library().WriteRepeatCount(L"Macro-0", 5));
    ASSERT_TRUE(m_ini.WriteString(m_path, L"Macro-0", L"LoopTimeSelStatus", L"1"));
    ASSERT_TRUE(m_ini.WriteString(m_path, L"Macro-1", L"ItemCount", L"0"));
    EXPECT_EQ(EncodeLibrary(library(), 2).image, MacroImage{});  // no lines, whatever the repeat count
    ASSERT_TRUE(m_ini.WriteString(m_path, L"Macro-1", L"ItemCount", L"1"));
    ASSERT_TRUE(m_ini.WriteString(m_path, L"Macro-1", L"Item0", L"A   Dn"));
    EXPECT_EQ(EncodeLibrary(library(), 0).image, MacroImage{});  // empty manager list
    EXPECT_NE(EncodeLibrary(library(), 2).image, MacroImage{});
}

// A button plays a macro by its slot: saving or renaming a macro must not move it to another.
TEST_F(EncodeLibraryFile, SavingOrRenamingTheFirstMacroKeepsItInTheFirstSlot) {
    for (const wchar_t* name : {L"One", L"Two", L"Three"}) {
        ASSERT_TRUE(library().WriteRepeatCount(name, 1));
        ASSERT_TRUE(library().Save({name, 1, 0, L"1", {L"A   Dn"}}));
    }
    ASSERT_TRUE(library().Save({L"One", 1, 0, L"1", {L"B   Dn"}}));
    ASSERT_TRUE(library().Rename(L"One", L"First"));
    const MacroEncoding encoding = EncodeLibrary(library(), 3);
    EXPECT_EQ(encoding.image.slots[0].events[1], 0x05);
    EXPECT_EQ(encoding.image.slots[1].events[1], 0x04);
    EXPECT_EQ(encoding.image.slots[2].events[1], 0x04);
}

TEST_F(EncodeLibraryFile, OnlyTheFirstTwelveOfFourteenMacrosAreEncoded) {
    std::string text;
    for (int k = 0; k < 14; ++k)
        text += "[M" + std::to_string(k) +
                "]\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=" + std::to_string(k + 1) +
                "\r\nItemCount=1\r\nItem0=A   Dn\r\n";
    WriteLibrary(text);
    EXPECT_EQ(library().List().size(), 14u);
    const MacroEncoding encoding = EncodeLibrary(library(), 14);
    for (std::size_t k = 0; k < kMacroSlotCount; ++k)
        EXPECT_EQ(encoding.image.slots[k].repeatCount[1], k + 1);
}

TEST_F(EncodeLibraryFile, AHostileFileIsEncodedWithinTheSlots) {
    // A 10000-character line reads as its first 1023 characters and is no event; a delay of twenty
    // digits saturates and keeps the low 16 bits of its hundreds; the count of two billion reads at most the
    // line cap; a name beyond the scan window and malformed numbers are harmless.
    std::string text =
        "[Huge]\r\nDelayTimeSelStatus=1\r\nItemCount=2000000000\r\nItem0=" + std::string(10000, 'x') +
        "   Dn\r\nItem1=A   Dn\r\nItem2=" + std::string(20, '9') + " ms\r\n";
    for (int i = 3; i < 300; ++i) text += "Item" + std::to_string(i) + "=A   Dn\r\n";
    text += "[Bad]\r\nItemCount=x\r\nMacroLoopTimes=99999999999999\r\nLoopTimeSelStatus=1\r\n";
    text += "[" + std::string(300, 'n') + "]\r\nItemCount=1\r\nItem0=B   Dn\r\n";
    WriteLibrary(text);
    EXPECT_EQ(library().List(), (std::vector<std::wstring>{L"Huge", L"Bad"}));
    const MacroEncoding encoding = EncodeLibrary(library(), 2);
    const Bytes head(encoding.image.slots[0].events.begin(), encoding.image.slots[0].events.begin() + 6);
    // Twenty nines saturate at the largest 64-bit value.
    const std::int64_t delay = std::numeric_limits<std::int64_t>::max();
    const auto hundreds = static_cast<std::uint16_t>(delay / 100);
    EXPECT_EQ(head,
              (Bytes{static_cast<std::uint8_t>(delay % 100), 0x04, 0x00, 0x03,
                     static_cast<std::uint8_t>(hundreds >> 8), static_cast<std::uint8_t>(hundreds & 0xFF)}));
    ASSERT_EQ(encoding.cuts.size(), 1u);
    EXPECT_EQ(encoding.cuts[0].name, L"Huge");
    EXPECT_EQ(encoding.cuts[0].eventsKept, 1u + 60u);
    EXPECT_EQ(encoding.cuts[0].eventsInMacro, 298u);
    EXPECT_EQ(encoding.image.slots[1], MacroSlot{});
}

}  // namespace
}  // namespace ravix
