#include <gtest/gtest.h>

#include "core/platform/IniDocument.h"
#include "core/platform/PortableIniFile.h"
#include "tests/conformance/IniFileConformance.h"

INSTANTIATE_TEST_SUITE_P(Portable, IniFileConformance,
                         ::testing::Values(IniFileImplementation{
                             "Portable", [] { return std::make_unique<ravix::PortableIniFile>(); }}),
                         IniFileImplementationName);

namespace ravix {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::string AsString(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

TEST(IniDocument, KeepsLinesItDoesNotUnderstand) {
    IniDocument document =
        IniDocument::Parse(Bytes("top=level\n; comment\n[A]\nk=1\n\n[B]\nnot a key line\nk=2\n"));
    document.Set(L"A", L"new", L"x");
    EXPECT_EQ(AsString(document.Serialize()),
              "top=level\r\n; comment\r\n[A]\r\nk=1\r\nnew=x\r\n\r\n[B]\r\nnot a key line\r\nk=2\r\n");
    // Keys before the first section belong to no section.
    EXPECT_EQ(document.Value(L"", L"top"), std::nullopt);
}

TEST(IniDocument, ReplacedKeyKeepsItsSpellingAndFirstOfDuplicatesWins) {
    IniDocument document = IniDocument::Parse(Bytes("[Skins]\r\n  Lan  =  CHS  \r\nlan=CHT\r\n"));
    EXPECT_EQ(document.Value(L"SKINS", L"LAN"), L"CHS");
    document.Set(L"skins", L"LAN", L"EN");
    EXPECT_EQ(AsString(document.Serialize()), "[Skins]\r\nLan=EN\r\nlan=CHT\r\n");
}

TEST(IniDocument, EncodingOfTheWrittenFile) {
    struct Case {
        const char* why;
        std::string input;
        std::wstring value;
        IniDocument::Encoding expected;
    } cases[] = {
        {"a new file is UTF-16LE", "", L"x", IniDocument::Encoding::New},
        {"an ASCII file stays 8-bit while it holds only ASCII", "[S]\r\n", L"x",
         IniDocument::Encoding::EightBit},
        {"a UTF-8 file with a mark stays UTF-8", "\xEF\xBB\xBF[S]\r\n", L"\u4E2D",
         IniDocument::Encoding::Utf8WithMark},
        {"a Windows-1252 file", "[S]\r\nk=caf\xE9\r\n", L"x", IniDocument::Encoding::EightBit},
        {"a big-endian file", std::string("\xFE\xFF\0[\0S\0]", 8), L"x", IniDocument::Encoding::Utf16Be},
    };
    for (const Case& c : cases) {
        IniDocument document = IniDocument::Parse(Bytes(c.input));
        EXPECT_EQ(document.encoding(), c.expected) << c.why;
        document.Set(L"S", L"k", c.value);
        const std::vector<std::uint8_t> written = document.Serialize();
        const IniDocument reread = IniDocument::Parse(written);
        EXPECT_EQ(reread.Value(L"S", L"k"), c.value) << c.why;
    }
    // 8-bit text that gains a character outside ASCII is written as UTF-16LE, never with '?'.
    IniDocument ansi = IniDocument::Parse(Bytes("[S]\r\nk=caf\xE9\r\n"));
    EXPECT_EQ(ansi.Value(L"S", L"k"), L"caf\u00E9");
    ansi.Set(L"S", L"name", L"\u6211");
    const std::vector<std::uint8_t> written = ansi.Serialize();
    ASSERT_GE(written.size(), 2u);
    EXPECT_EQ(written[0], 0xFF);
    EXPECT_EQ(written[1], 0xFE);
    EXPECT_EQ(IniDocument::Parse(written).Value(L"S", L"k"), L"caf\u00E9");
}

TEST(IniFileNames, NamesThatWouldBreakTheFileAreRefused) {
    EXPECT_TRUE(IsStorableIniSection(L"My macro = fast"));
    EXPECT_TRUE(IsStorableIniKey(L"Item1"));
    for (const wchar_t* name : {L"", L"   ", L"a]b", L"a\nb", L"a\rb"})
        EXPECT_FALSE(IsStorableIniSection(name)) << name;
    for (const wchar_t* name : {L"", L"a=b", L"[x", L" [x", L"a\nb"})
        EXPECT_FALSE(IsStorableIniKey(name)) << name;
    EXPECT_EQ(StorableIniValue(L"one\r\n[Profile]\nItemCount=9"), L"one  [Profile] ItemCount=9");
}

class PortableIniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ravix-portable-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        path_ = folder_.wstring() + L"/str.ini";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::wstring path_;
    PortableIniFile ini_;
};

TEST_F(PortableIniFileTest, AValueCannotInjectSectionsOrKeys) {
    ASSERT_TRUE(ini_.WriteString(path_, L"Setting-EN", L"Item1", L"x\r\n[Profile]\r\nItemCount=6"));
    EXPECT_EQ(ini_.SectionNames(path_), std::vector<std::wstring>{L"Setting-EN"});
    EXPECT_FALSE(ini_.WriteString(path_, L"Evil]\r\n[Profile", L"k", L"v"));
    EXPECT_FALSE(ini_.WriteString(path_, L"Setting-EN", L"Item1=x", L"v"));
    EXPECT_EQ(ini_.SectionNames(path_), std::vector<std::wstring>{L"Setting-EN"});
}

TEST_F(PortableIniFileTest, OversizedFileReadsEmptyAndIsNeverRewritten) {
    std::string huge = "[Profile]\r\nItemCount=1\r\n";
    huge.resize(PortableIniFile::kMaxFileBytes + 1, ' ');
    ASSERT_EQ(ReplaceFileAtomically(path_, Bytes(huge)), 0);
    EXPECT_EQ(ini_.ReadString(path_, L"Profile", L"ItemCount"), L"");
    EXPECT_FALSE(ini_.WriteString(path_, L"Profile", L"ItemCount", L"2"));
    EXPECT_EQ(std::filesystem::file_size(folder_ / "str.ini"), huge.size());
}

TEST_F(PortableIniFileTest, UnwritableFolderFailsWithoutCreatingAnything) {
    const std::wstring path = folder_.wstring() + L"/missing-folder/str.ini";
    EXPECT_FALSE(ini_.WriteString(path, L"Profile", L"ItemCount", L"1"));
    EXPECT_FALSE(ini_.FileExists(path));
}

}  // namespace
}  // namespace ravix
