#include <gtest/gtest.h>

#include "core/macros/MacroLibrary.h"
#include "tests/fakes/MacroLibraryFixture.h"

namespace ravix {
namespace {

using Names = std::vector<std::wstring>;

StoredMacro Macro(std::wstring name, std::vector<std::wstring> items) {
    return {std::move(name), 1, 1, L"2", std::move(items)};
}

class MacroLibraryFile : public MacroLibraryFixture {
protected:
    // A file holding the three macros One, Two and Three.
    void WriteThree() {
        for (const wchar_t* name : {L"One", L"Two", L"Three"})
            ASSERT_TRUE(m_ini.WriteString(m_path, name, L"MacroLoopTimes", L"1"));
    }
};

TEST_F(MacroLibraryFile, AMissingFileListsNothingAndSavesNothing) {
    EXPECT_FALSE(library().Exists());
    EXPECT_TRUE(library().List().empty());
    EXPECT_FALSE(library().Save(Macro(L"One", {L"A   Dn"})));
    EXPECT_FALSE(library().Exists());
}

TEST_F(MacroLibraryFile, TheRepeatCountWriteCreatesTheFileAndTheSection) {
    ASSERT_TRUE(library().WriteRepeatCount(L"Macro-0", 1));
    EXPECT_EQ(library().List(), Names{L"Macro-0"});
    const StoredMacro loaded = library().Load(L"Macro-0");
    EXPECT_EQ(loaded.macroLoopTimes, L"1");
    EXPECT_TRUE(loaded.items.empty());
    EXPECT_EQ(loaded.delayTimeSelStatus, 0);
    EXPECT_EQ(loaded.loopTimeSelStatus, 0);
}

TEST_F(MacroLibraryFile, TheRepeatCountOfAnExistingMacroChangesInPlace) {
    WriteThree();
    ASSERT_TRUE(library().WriteRepeatCount(L"One", 300));
    EXPECT_EQ(library().List(), (Names{L"One", L"Two", L"Three"}));
    EXPECT_EQ(library().Load(L"One").macroLoopTimes, L"300");
}

TEST_F(MacroLibraryFile, SavingWritesTheKeysInOrderWhereTheMacroStands) {
    WriteThree();
    ASSERT_TRUE(library().Save(Macro(L"One", {L"A   Dn", L"120 ms", L"A   Up"})));
    EXPECT_EQ(library().List(), (Names{L"One", L"Two", L"Three"}));
    const std::wstring text = LibraryText();
    const std::size_t section = text.find(L"[One]");
    ASSERT_NE(section, std::wstring::npos);
    EXPECT_EQ(text.substr(section, text.find(L"[Two]") - section),
              L"[One]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=2\r\nItemCount=3\r\n"
              L"Item0=A   Dn\r\nItem1=120 ms\r\nItem2=A   Up\r\n");
    const StoredMacro loaded = library().Load(L"One");
    EXPECT_EQ(loaded.items, (Names{L"A   Dn", L"120 ms", L"A   Up"}));
    EXPECT_EQ(loaded.macroLoopTimes, L"2");
}

// A macro whose last line was deleted is stored empty, so that the line does not come back.
TEST_F(MacroLibraryFile, SavingAnEmptiedMacroStoresNoLines) {
    ASSERT_TRUE(m_ini.WriteString(m_path, L"One", L"MacroLoopTimes", L"1"));
    ASSERT_TRUE(library().Save(Macro(L"One", {L"A   Dn", L"A   Up"})));
    ASSERT_TRUE(library().Save(Macro(L"One", {})));
    EXPECT_TRUE(library().Load(L"One").items.empty());
    EXPECT_EQ(m_ini.ReadString(m_path, L"One", L"ItemCount"), L"0");
    EXPECT_EQ(m_ini.ReadString(m_path, L"One", L"Item0"), L"");
}

TEST_F(MacroLibraryFile, ANameTheFileCannotHoldLosesNothing) {
    ASSERT_TRUE(library().WriteRepeatCount(L"One", 1));
    ASSERT_TRUE(library().Save(Macro(L"One", {L"A   Dn"})));
    EXPECT_FALSE(library().Save(Macro(L"Bad]Name", {L"A   Dn"})));
    EXPECT_FALSE(library().Rename(L"One", L"Bad]Name"));
    EXPECT_EQ(library().List(), Names{L"One"});
    EXPECT_EQ(library().Load(L"One").items, Names{L"A   Dn"});
}

TEST_F(MacroLibraryFile, DeleteAndRename) {
    WriteThree();
    ASSERT_TRUE(library().Save(Macro(L"Two", {L"B   Dn", L"B   Up"})));
    ASSERT_TRUE(library().Delete(L"One"));
    ASSERT_TRUE(library().Rename(L"Two", L"Fast-9"));
    EXPECT_EQ(library().List(), (Names{L"Fast-9", L"Three"}));
    EXPECT_EQ(library().Load(L"Fast-9").items, (Names{L"B   Dn", L"B   Up"}));
    EXPECT_EQ(library().Load(L"Fast-9").macroLoopTimes, L"2");
}

// A rename keeps every macro at its number with all it holds, and never takes another's name.
TEST_F(MacroLibraryFile, RenamingKeepsThePositionsAndRefusesATakenName) {
    WriteThree();
    ASSERT_TRUE(library().Save(Macro(L"Three", {L"C   Dn"})));
    EXPECT_FALSE(library().Rename(L"One", L"two"));
    ASSERT_TRUE(library().Rename(L"One", L"Uno"));
    ASSERT_TRUE(library().Rename(L"Uno", L"UNO"));
    EXPECT_EQ(library().List(), (Names{L"UNO", L"Two", L"Three"}));
    EXPECT_EQ(library().Load(L"Three").items, Names{L"C   Dn"});
    EXPECT_EQ(library().Load(L"Three").macroLoopTimes, L"2");
}

TEST_F(MacroLibraryFile, OnlyNamesEndingWithinTheScanWindowAreListed) {
    const std::wstring first(100, L'a');
    ASSERT_TRUE(m_ini.WriteString(m_path, first, L"MacroLoopTimes", L"1"));
    // 101 + 154 characters with terminators: exactly 255.
    ASSERT_TRUE(m_ini.WriteString(m_path, std::wstring(153, L'b'), L"MacroLoopTimes", L"1"));
    EXPECT_EQ(library().List().size(), 2u);
    ASSERT_TRUE(library().Delete(std::wstring(153, L'b')));
    ASSERT_TRUE(m_ini.WriteString(m_path, std::wstring(154, L'c'), L"MacroLoopTimes", L"1"));
    ASSERT_TRUE(m_ini.WriteString(m_path, L"d", L"MacroLoopTimes", L"1"));
    EXPECT_EQ(library().List(), Names{first});
}

TEST_F(MacroLibraryFile, MalformedKeysReadAsZero) {
    WriteLibrary(
        "[Odd]\r\nDelayTimeSelStatus=yes\r\nLoopTimeSelStatus=\r\nMacroLoopTimes=x\r\nItemCount=-4\r\n"
        "[Huge]\r\nItemCount=2000000000\r\nItem0=A   Dn\r\n");
    const StoredMacro odd = library().Load(L"Odd");
    EXPECT_EQ(odd.delayTimeSelStatus, 0);
    EXPECT_EQ(odd.loopTimeSelStatus, 0);
    EXPECT_TRUE(odd.items.empty());
    const StoredMacro huge = library().Load(L"Huge");
    ASSERT_EQ(huge.items.size(), static_cast<std::size_t>(kMaxMacroLines));
    EXPECT_EQ(huge.items[0], L"A   Dn");
    EXPECT_EQ(huge.items[1], L"");
}

TEST_F(MacroLibraryFile, LinesAreFoundByKeyWhateverTheirOrderAndSpelling) {
    // Keys compare without case, the first of a repeated key counts, and only the exact line number
    // names a line: "Item01" is not line 1, and a missing line reads as empty.
    WriteLibrary(
        "[Edited]\r\nitemcount=5\r\nITEM2=C   Dn\r\nItem0=A   Dn\r\nItem01=X   Dn\r\nItem0=Y   Dn\r\n"
        "item4=E   Dn\r\nItem5=F   Dn\r\nItem-3=Z   Dn\r\nDELAYTIMESELSTATUS=1\r\n");
    const StoredMacro macro = library().Load(L"EDITED");
    EXPECT_EQ(macro.items, (Names{L"A   Dn", L"", L"C   Dn", L"", L"E   Dn"}));
    EXPECT_EQ(macro.delayTimeSelStatus, 1);
}

}  // namespace
}  // namespace ravix
