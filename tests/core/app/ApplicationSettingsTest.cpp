#include <gtest/gtest.h>

#include <map>

#include "core/app/ApplicationSettings.h"

namespace ravix {
namespace {

// An in-memory IniFile holding one "Skins" section per path.
class SkinsOnly final : public IniFile {
public:
    std::map<std::wstring, std::map<std::wstring, std::wstring>> files;

    bool FileExists(const std::wstring& path) const override { return files.count(path) != 0; }
    std::vector<std::wstring> SectionNames(const std::wstring&) const override { return {L"Skins"}; }
    std::wstring ReadString(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key) const override {
        if (section != L"Skins" || !files.count(path) || !files.at(path).count(key)) return {};
        return files.at(path).at(key);
    }
    std::vector<IniEntry> ReadSection(const std::wstring&, const std::wstring&) const override {
        ADD_FAILURE() << "the settings keys are read one by one";
        return {};
    }
    bool WriteString(const std::wstring&, const std::wstring&, const std::wstring&,
                     const std::wstring&) override {
        ADD_FAILURE() << "the settings keys are never written";
        return false;
    }
    bool ReplaceSection(const std::wstring&, const std::wstring&, const std::vector<IniEntry>&) override {
        ADD_FAILURE() << "the settings keys are never written";
        return false;
    }
    bool DeleteSection(const std::wstring&, const std::wstring&) override { return false; }
};

TEST(ApplicationSettings, LanguageCodeIsComparedExactly) {
    struct Case {
        const wchar_t* code;
        Language language;
        const wchar_t* labels;
    } cases[] = {
        {L"CHS", Language::SimplifiedChinese, L"Setting-CHS"},
        {L"CHT", Language::TraditionalChinese, L"Setting-CHT"},
        {L"chs", Language::English, L"Setting-EN"},
        {L"", Language::English, L"Setting-EN"},
        {L"CHS ", Language::English, L"Setting-EN"},
        {L"DE", Language::English, L"Setting-EN"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LanguageOf(c.code), c.language) << c.code;
        EXPECT_EQ(LabelSection(LanguageOf(c.code)), c.labels) << c.code;
    }
}

TEST(ApplicationSettings, KeysReadAsEmptyWithoutAProfileTextFile) {
    SkinsOnly ini;
    ini.files[L""] = {{L"Lan", L"CHS"}, {L"Path", L"x"}};
    EXPECT_EQ(ReadLanguage(ini, L""), L"");
    EXPECT_EQ(ReadSkinKeys(ini, L""), SkinKeys{});
    ini.files[L"str2.ini"] = {{L"Lan", L"CHT"}, {L"Path", L"Blue"}, {L"RColor", L"300"}, {L"BColor", L"12"}};
    EXPECT_EQ(ReadLanguage(ini, L"str2.ini"), L"CHT");
    EXPECT_EQ(ReadSkinKeys(ini, L"str2.ini"), (SkinKeys{L"Blue", L"300", L"", L"12"}));
}

TEST(ApplicationSettings, CaptionColourKeepsTheLowEightBits) {
    struct Case {
        const wchar_t* text;
        std::uint8_t value;
    } cases[] = {{L"300", 44}, {L"255", 255},        {L"", 0}, {L"abc", 0}, {L" 12px", 12},
                 {L"-1", 255}, {L"99999999999", 255}};
    for (const Case& c : cases) {
        EXPECT_EQ(SkinTextColourOf({L"", c.text, L"0", L"0"}).red, c.value) << c.text;
        EXPECT_EQ(SkinTextColourOf({L"", L"0", L"0", c.text}).blue, c.value) << c.text;
    }
    EXPECT_EQ(SkinTextColourOf({L"", L"1", L"2", L"3"}), (SkinTextColour{1, 2, 3}));
}

TEST(ApplicationSettings, SkinFolderStaysInsideTheSkinsFolder) {
    const std::wstring exe = L"C:\\Velmar\\Velmar Ravix Driver.exe";
    struct Case {
        const wchar_t* key;
        const wchar_t* folder;
    } cases[] = {
        {L"Default", L"C:\\Velmar\\Skins/Default"},
        {L"", L"C:\\Velmar\\Skins/"},
        {L"Dark\\Large", L"C:\\Velmar\\Skins/Dark\\Large"},
        {L"..\\..\\Windows", L"C:\\Velmar\\Skins/"},
        {L"a/../../b", L"C:\\Velmar\\Skins/"},
        {L"D:\\Other", L"C:\\Velmar\\Skins/"},
        {L"\\\\server\\share", L"C:\\Velmar\\Skins/"},
        {L"..skin", L"C:\\Velmar\\Skins/..skin"},
    };
    for (const Case& c : cases) EXPECT_EQ(SkinFolderOf(exe, c.key), c.folder) << c.key;
}

}  // namespace
}  // namespace ravix
