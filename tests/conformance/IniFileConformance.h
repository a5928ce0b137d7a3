#pragma once

// Behaviour every IniFile implementation must show, written once and run against each of them:
// natively against PortableIniFile and, under Wine, against the Win32 adapter.
//
// Include this header in exactly one source file of a test executable and instantiate it there:
//
//   INSTANTIATE_TEST_SUITE_P(Portable, IniFileConformance,
//                            ::testing::Values(IniFileImplementation{
//                                "Portable", [] { return std::make_unique<ravix::PortableIniFile>(); }}),
//                            IniFileImplementationName);

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/platform/FileIo.h"
#include "core/platform/IniFile.h"
#include "core/platform/TextCodecs.h"

struct IniFileImplementation {
    std::string name;
    std::function<std::unique_ptr<ravix::IniFile>()> make;
};

inline void PrintTo(const IniFileImplementation& implementation, std::ostream* out) {
    *out << implementation.name;
}

inline std::string IniFileImplementationName(const ::testing::TestParamInfo<IniFileImplementation>& info) {
    return info.param.name;
}

class IniFileConformance : public ::testing::TestWithParam<IniFileImplementation> {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_folder = std::filesystem::temp_directory_path() /
                  ("ravix-ini-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_folder);
        m_ini = GetParam().make();
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::wstring PathOf(const std::wstring& name) const {
        return m_folder.wstring() + std::wstring(1, std::filesystem::path::preferred_separator) + name;
    }

    std::vector<std::uint8_t> BytesOf(const std::wstring& path) const {
        return ravix::ReadWholeFile(path, 1u << 20).bytes;
    }

    // The file's text, for checks of where entries landed; only UTF-16LE files are expected here.
    std::wstring TextOf(const std::wstring& path) const {
        const std::vector<std::uint8_t> bytes = BytesOf(path);
        if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xFE) return L"<not UTF-16LE>";
        return ravix::WideFromUtf16(std::span(bytes).subspan(2), false);
    }

    void WriteRaw(const std::wstring& path, const std::string& bytes) const {
        ASSERT_EQ(ravix::ReplaceFileAtomically(
                      path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())),
                  0);
    }

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_folder), {}));
    }

    std::filesystem::path m_folder;
    std::unique_ptr<ravix::IniFile> m_ini;
};

TEST_P(IniFileConformance, MissingFileReadsEmptyAndIsNotCreatedByDeletion) {
    const std::wstring path = PathOf(L"absent.ini");
    EXPECT_FALSE(m_ini->FileExists(path));
    EXPECT_EQ(m_ini->ReadString(path, L"Skins", L"Lan"), L"");
    EXPECT_TRUE(m_ini->SectionNames(path).empty());
    m_ini->DeleteSection(path, L"Skins");
    EXPECT_FALSE(m_ini->FileExists(path));
}

TEST_P(IniFileConformance, CreatedFileIsUtf16WithByteOrderMarkAndKeepsAnyLanguage) {
    const std::wstring path = PathOf(L"\u914D\u7F6E.ini");  // a file name in Chinese
    const std::wstring name = L"\u6211\u7684\u914D\u7F6E \u00E9\u00E8 \u0416";
    ASSERT_TRUE(m_ini->WriteString(path, L"Profile", L"Item0", name));
    ASSERT_TRUE(m_ini->WriteString(path, L"\u5B8F", L"\u952E", L"\u503C"));
    EXPECT_TRUE(m_ini->FileExists(path));
    const std::vector<std::uint8_t> bytes = BytesOf(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    EXPECT_EQ(m_ini->ReadString(path, L"Profile", L"Item0"), name);
    EXPECT_EQ(m_ini->ReadString(path, L"\u5B8F", L"\u952E"), L"\u503C");
}

TEST_P(IniFileConformance, NamesCompareWithoutRegardToCase) {
    const std::wstring path = PathOf(L"str.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"Profile", L"ItemCount", L"3"));
    EXPECT_EQ(m_ini->ReadString(path, L"PROFILE", L"itemcount"), L"3");
    ASSERT_TRUE(m_ini->WriteString(path, L"profile", L"ITEMCOUNT", L"4"));
    EXPECT_EQ(m_ini->ReadString(path, L"Profile", L"ItemCount"), L"4");
    ASSERT_EQ(m_ini->SectionNames(path).size(), 1u);
    EXPECT_TRUE(m_ini->DeleteSection(path, L"pRoFiLe"));
    EXPECT_TRUE(m_ini->SectionNames(path).empty());
}

TEST_P(IniFileConformance, SectionsStayInFileOrderAndNewOnesAreAppended) {
    const std::wstring path = PathOf(L"record.ini");
    for (const wchar_t* section : {L"Beta", L"Alpha", L"Gamma"})
        ASSERT_TRUE(m_ini->WriteString(path, section, L"k", L"1"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Alpha", L"k", L"2"));
    EXPECT_EQ(m_ini->SectionNames(path), (std::vector<std::wstring>{L"Beta", L"Alpha", L"Gamma"}));
    ASSERT_TRUE(m_ini->DeleteSection(path, L"Beta"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Beta", L"k", L"3"));
    EXPECT_EQ(m_ini->SectionNames(path), (std::vector<std::wstring>{L"Alpha", L"Gamma", L"Beta"}));
}

TEST_P(IniFileConformance, NewKeyGoesToTheEndOfItsSectionAndValuesAreReplacedInPlace) {
    const std::wstring path = PathOf(L"str0.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"First", L"a", L"1"));
    ASSERT_TRUE(m_ini->WriteString(path, L"First", L"b", L"2"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Second", L"x", L"9"));
    ASSERT_TRUE(m_ini->WriteString(path, L"First", L"c", L"3"));
    ASSERT_TRUE(m_ini->WriteString(path, L"First", L"a", L"one"));
    const std::wstring text = TextOf(path);
    const auto a = text.find(L"a=one"), b = text.find(L"b=2"), c = text.find(L"c=3"),
               second = text.find(L"[Second]");
    ASSERT_NE(a, std::wstring::npos) << text;
    ASSERT_NE(c, std::wstring::npos) << text;
    EXPECT_LT(a, b) << text;
    EXPECT_LT(b, c) << text;
    EXPECT_LT(c, second) << text;
    EXPECT_EQ(text.find(L"a=1"), std::wstring::npos) << text;
}

// A section's keys replaced as a whole stay where the section was; a new section goes to the end.
TEST_P(IniFileConformance, ReplacingASectionKeepsItsPlace) {
    const std::wstring path = PathOf(L"record.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"One", L"a", L"1"));
    ASSERT_TRUE(m_ini->WriteString(path, L"One", L"stale", L"x"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Two", L"k", L"2"));
    ASSERT_TRUE(m_ini->ReplaceSection(path, L"one", {{L"b", L"new\nline"}, {L"a", L"  9 "}}));
    ASSERT_TRUE(m_ini->ReplaceSection(path, L"Three", {{L"k", L"3"}}));
    EXPECT_EQ(m_ini->SectionNames(path), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
    const std::vector<ravix::IniEntry> one = m_ini->ReadSection(path, L"One");
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0].key, L"b");
    EXPECT_EQ(one[0].value, L"new line");
    EXPECT_EQ(one[1].value, L"9");
    EXPECT_EQ(m_ini->ReadString(path, L"One", L"stale"), L"");
    EXPECT_EQ(m_ini->ReadString(path, L"Two", L"k"), L"2");
    EXPECT_FALSE(m_ini->ReplaceSection(path, L"Bad]Name", {{L"k", L"1"}}));
    EXPECT_FALSE(m_ini->ReplaceSection(path, L"Two", {{L"a=b", L"1"}}));
    EXPECT_EQ(m_ini->ReadString(path, L"Two", L"k"), L"2");
}

TEST_P(IniFileConformance, DeletingASectionRemovesAllItsKeysAndNothingElse) {
    const std::wstring path = PathOf(L"record.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"Keep", L"k", L"1"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Drop", L"a", L"1"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Drop", L"b", L"2"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Last", L"k", L"3"));
    ASSERT_TRUE(m_ini->DeleteSection(path, L"Drop"));
    EXPECT_EQ(m_ini->SectionNames(path), (std::vector<std::wstring>{L"Keep", L"Last"}));
    EXPECT_EQ(m_ini->ReadString(path, L"Drop", L"a"), L"");
    EXPECT_EQ(m_ini->ReadString(path, L"Keep", L"k"), L"1");
    EXPECT_EQ(m_ini->ReadString(path, L"Last", L"k"), L"3");
}

TEST_P(IniFileConformance, ValuesReadBackTrimmed) {
    const std::wstring path = PathOf(L"str1.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"Skins", L"Path", L"  Default Skin \t"));
    EXPECT_EQ(m_ini->ReadString(path, L"Skins", L"Path"), L"Default Skin");
    ASSERT_TRUE(m_ini->WriteString(path, L"Skins", L"Lan", L"\"CHS\""));
    EXPECT_EQ(m_ini->ReadString(path, L"Skins", L"Lan"), L"CHS");
    ASSERT_TRUE(m_ini->WriteString(path, L"Skins", L"Empty", L""));
    EXPECT_EQ(m_ini->ReadString(path, L"Skins", L"Empty"), L"");
}

TEST_P(IniFileConformance, ReadsGiveAtMost1023Characters) {
    const std::wstring path = PathOf(L"long.ini");
    const std::wstring longValue = std::wstring(1000, L'a') + std::wstring(1000, L'b');
    ASSERT_TRUE(m_ini->WriteString(path, L"S", L"k", longValue));
    EXPECT_EQ(m_ini->ReadString(path, L"S", L"k"), longValue.substr(0, 1023));
    ASSERT_TRUE(m_ini->WriteString(path, L"S", L"exact", std::wstring(1023, L'c')));
    EXPECT_EQ(m_ini->ReadString(path, L"S", L"exact"), std::wstring(1023, L'c'));
}

TEST_P(IniFileConformance, ReadsExistingEightBitAndUtf8Files) {
    const std::wstring ansi = PathOf(L"ansi.ini");
    WriteRaw(
        ansi,
        "; written by hand\r\n[Skins]\r\nLan = CHT \r\nRColor=300\r\n\r\n[Setting-EN]\r\nItem1=Click\r\n");
    EXPECT_EQ(m_ini->ReadString(ansi, L"Skins", L"Lan"), L"CHT");
    EXPECT_EQ(m_ini->ReadString(ansi, L"skins", L"RColor"), L"300");
    EXPECT_EQ(m_ini->SectionNames(ansi), (std::vector<std::wstring>{L"Skins", L"Setting-EN"}));
    ASSERT_TRUE(m_ini->WriteString(ansi, L"Setting-EN", L"Item2", L"Menu"));
    EXPECT_EQ(m_ini->ReadString(ansi, L"Setting-EN", L"Item1"), L"Click");
    EXPECT_EQ(m_ini->ReadString(ansi, L"Setting-EN", L"Item2"), L"Menu");
    EXPECT_EQ(m_ini->ReadString(ansi, L"Skins", L"Lan"), L"CHT");

    const std::wstring utf8 = PathOf(L"utf8.ini");
    WriteRaw(utf8, "\xEF\xBB\xBF[Setting-CHS]\r\nItem1=\xE5\xB7\xA6\xE9\x94\xAE\r\n");
    EXPECT_EQ(m_ini->ReadString(utf8, L"Setting-CHS", L"Item1"), L"\u5DE6\u952E");
}

TEST_P(IniFileConformance, WritingLeavesNoOtherFileBeside) {
    const std::wstring path = PathOf(L"str.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"Profile", L"ItemCount", L"1"));
    ASSERT_TRUE(m_ini->WriteString(path, L"Profile", L"Item0", L"PROFILE_0"));
    ASSERT_TRUE(m_ini->DeleteSection(path, L"Profile"));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_P(IniFileConformance, NamesTheFormatCannotHoldAreRefusedAndLineBreaksInValuesBecomeSpaces) {
    const std::wstring path = PathOf(L"str2.ini");
    ASSERT_TRUE(m_ini->WriteString(path, L"Skins", L"Lan", L"EN"));
    const std::vector<std::uint8_t> before = BytesOf(path);
    struct Case {
        std::wstring section, key;
    } refused[] = {{L"", L"k"}, {L"A]B", L"k"}, {L"A\nB", L"k"}, {L"S", L""},
                   {L"S", L"a=b"}, {L"S", L"[x"}, {L"S", L"a\r\nb"}};
    for (const Case& c : refused) EXPECT_FALSE(m_ini->WriteString(path, c.section, c.key, L"v"));
    EXPECT_EQ(BytesOf(path), before);

    ASSERT_TRUE(m_ini->WriteString(path, L"Setting-EN", L"Item1", L"two\r\nlines\n[Skins]"));
    EXPECT_EQ(m_ini->ReadString(path, L"Setting-EN", L"Item1"), L"two  lines [Skins]");
    EXPECT_EQ(m_ini->SectionNames(path), (std::vector<std::wstring>{L"Skins", L"Setting-EN"}));
}

TEST_P(IniFileConformance, TextBeyondAsciiWrittenIntoAnEightBitFileSurvives) {
    const std::wstring path = PathOf(L"str3.ini");
    WriteRaw(path, "[Setting-CHS]\r\nItem1=Click\r\n");
    ASSERT_TRUE(m_ini->WriteString(path, L"Setting-CHS", L"Item2", L"\u53F3\u952E"));
    EXPECT_EQ(m_ini->ReadString(path, L"Setting-CHS", L"Item2"), L"\u53F3\u952E");
    EXPECT_EQ(m_ini->ReadString(path, L"Setting-CHS", L"Item1"), L"Click");
}

TEST_P(IniFileConformance, SectionReadGivesEveryKeyInFileOrderWithItsValueAsRead) {
    const std::wstring path = PathOf(L"record.ini");
    WriteRaw(path,
             "[Other]\r\nItem0=elsewhere\r\n"
             "[Macro-0]\r\n; a comment\r\n  DelayTimeSelStatus = 1 \r\nnot a key line\r\n"
             "MacroLoopTimes=\"3\"\r\nItem0=A   Dn\r\nitem0=shadowed\r\nEmpty=\r\nItem1=" +
                 std::string(1500, 'x') + "\r\n\r\n[Last]\r\nk=v\r\n");
    const std::vector<ravix::IniEntry> entries = m_ini->ReadSection(path, L"MACRO-0");
    std::vector<std::wstring> keys;
    for (const auto& entry : entries) keys.push_back(entry.key);
    // A repeated key may or may not be listed again; the first one always comes first.
    keys.erase(std::remove(keys.begin(), keys.end(), L"item0"), keys.end());
    // A line without "=" is a key with an empty value; a comment is no key.
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"DelayTimeSelStatus", L"not a key line", L"MacroLoopTimes",
                                               L"Item0", L"Empty", L"Item1"}));
    for (const std::wstring key : {L"DelayTimeSelStatus", L"not a key line", L"MacroLoopTimes", L"Item0",
                                   L"ITEM0", L"Empty", L"Item1", L"Missing"})
        EXPECT_EQ(ravix::FindIniValue(entries, key), m_ini->ReadString(path, L"Macro-0", key)) << key;
    EXPECT_EQ(ravix::FindIniValue(entries, L"MacroLoopTimes"), L"3");
    EXPECT_EQ(ravix::FindIniValue(entries, L"Item1").size(), 1023u);
}

TEST_P(IniFileConformance, SectionReadOfWhatIsNotThereIsEmpty) {
    const std::wstring path = PathOf(L"record.ini");
    EXPECT_TRUE(m_ini->ReadSection(path, L"Macro-0").empty());
    EXPECT_FALSE(m_ini->FileExists(path));
    ASSERT_TRUE(m_ini->WriteString(path, L"Macro-0", L"MacroLoopTimes", L"1"));
    EXPECT_TRUE(m_ini->ReadSection(path, L"Macro-1").empty());
    ASSERT_TRUE(m_ini->DeleteSection(path, L"Macro-0"));
    EXPECT_TRUE(m_ini->ReadSection(path, L"Macro-0").empty());
}

TEST_P(IniFileConformance, SectionReadHoldsALargeSectionWhole) {
    // More than the usual 32767-character section buffer: nothing may be lost to it.
    const std::wstring path = PathOf(L"record.ini");
    std::string text = "[Big]\r\n";
    for (int i = 0; i < 100; ++i)
        text += "Item" + std::to_string(i) + "=" + std::string(500, 'a' + i % 26) + "\r\n";
    text += "[After]\r\nk=v\r\n";
    WriteRaw(path, text);
    const std::vector<ravix::IniEntry> entries = m_ini->ReadSection(path, L"Big");
    ASSERT_EQ(entries.size(), 100u);
    EXPECT_EQ(entries[99].key, L"Item99");
    EXPECT_EQ(entries[99].value, std::wstring(500, static_cast<wchar_t>(L'a' + 99 % 26)));
}

TEST_P(IniFileConformance, ChangesMadeBesideTheAdapterAreSeenAtTheNextRead) {
    // Another program may rewrite the file between two reads, even with a text of the same length.
    const std::wstring path = PathOf(L"record.ini");
    WriteRaw(path, "[Macro-0]\r\nItem0=A   Dn\r\n");
    EXPECT_EQ(m_ini->ReadString(path, L"Macro-0", L"Item0"), L"A   Dn");
    WriteRaw(path, "[Macro-0]\r\nItem0=B   Dn\r\n");
    EXPECT_EQ(m_ini->ReadSection(path, L"Macro-0").at(0).value, L"B   Dn");
    WriteRaw(path, "[Macro-1]\r\nItem0=B   Dn\r\n");
    EXPECT_EQ(m_ini->SectionNames(path), std::vector<std::wstring>{L"Macro-1"});
    ASSERT_TRUE(m_ini->WriteString(path, L"Macro-1", L"Item0", L"C   Dn"));
    EXPECT_EQ(m_ini->ReadString(path, L"Macro-1", L"Item0"), L"C   Dn");
}

TEST_P(IniFileConformance, KeyLineWithoutAValueHidesALaterLineOfTheSameKey) {
    // A file edited by hand: the bare "Item0" is the key, read as empty, and a write fills it in.
    const std::wstring path = PathOf(L"record.ini");
    WriteRaw(path, "[Macro-0]\r\n  Item0  \r\nItemCount=1\r\nitem0=A   Dn\r\n[Next]\r\nItem0=B   Dn\r\n");
    EXPECT_EQ(m_ini->ReadString(path, L"Macro-0", L"Item0"), L"");
    EXPECT_EQ(ravix::FindIniValue(m_ini->ReadSection(path, L"Macro-0"), L"Item0"), L"");
    ASSERT_TRUE(m_ini->WriteString(path, L"Macro-0", L"ITEM0", L"C   Up"));
    const std::vector<ravix::IniEntry> entries = m_ini->ReadSection(path, L"Macro-0");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].key, L"Item0");
    EXPECT_EQ(entries[0].value, L"C   Up");
    EXPECT_EQ(entries[2].value, L"A   Dn");
    EXPECT_EQ(m_ini->ReadString(path, L"Next", L"Item0"), L"B   Dn");
}

TEST_P(IniFileConformance, DeletingARepeatedSectionRemovesTheFirstOnly) {
    const std::wstring path = PathOf(L"record.ini");
    WriteRaw(path, "[Fast]\r\nItemCount=1\r\n[Slow]\r\nItemCount=2\r\n[FAST]\r\nItemCount=3\r\n");
    EXPECT_EQ(m_ini->ReadString(path, L"Fast", L"ItemCount"), L"1");
    ASSERT_TRUE(m_ini->DeleteSection(path, L"fast"));
    EXPECT_EQ(m_ini->SectionNames(path), (std::vector<std::wstring>{L"Slow", L"FAST"}));
    EXPECT_EQ(m_ini->ReadString(path, L"Fast", L"ItemCount"), L"3");
    ASSERT_TRUE(m_ini->DeleteSection(path, L"Fast"));
    EXPECT_EQ(m_ini->SectionNames(path), std::vector<std::wstring>{L"Slow"});
    EXPECT_EQ(m_ini->ReadString(path, L"Slow", L"ItemCount"), L"2");
}
