#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/platform/FileIo.h"

namespace ravix {
namespace {

namespace fs = std::filesystem;

class WriteLeftovers : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("ravix-leftovers-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "Skins");
    }
    void TearDown() override { fs::remove_all(m_folder); }
    void Touch(const fs::path& name) { std::ofstream(m_folder / name) << "x"; }
    fs::path m_folder;
};

TEST_F(WriteLeftovers, OnlyTheProgramsOwnCutShortCopiesAreRemoved) {
    const char* leftovers[] = {"config0.bin.writing", "str0.ini.writing.writing", "BACKUP.BIN.writing"};
    const char* kept[] = {"config0.bin",  "config0.bin.damaged",     "notes.txt.writing",
                          ".bin.writing", "config0.bin.writing.txt", "Skins/main.ini.writing"};
    for (const char* name : leftovers) Touch(name);
    for (const char* name : kept) Touch(name);
    fs::create_directories(m_folder / "str1.ini.writing");  // a folder is never removed

    EXPECT_THAT(RemoveAtomicWriteLeftovers(m_folder.wstring()),
                ::testing::UnorderedElementsAre(L"config0.bin.writing", L"str0.ini.writing.writing",
                                                L"BACKUP.BIN.writing"));
    for (const char* name : leftovers) EXPECT_FALSE(fs::exists(m_folder / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(m_folder / name)) << name;
    EXPECT_TRUE(fs::is_directory(m_folder / "str1.ini.writing"));
    EXPECT_THAT(RemoveAtomicWriteLeftovers((m_folder / "absent").wstring()), ::testing::IsEmpty());
}

TEST_F(WriteLeftovers, WhatANameStandsFor) {
    Touch("file");
    EXPECT_EQ(KindOfPath((m_folder / "file").wstring()), PathKind::RegularFile);
    EXPECT_EQ(KindOfPath((m_folder / "Skins").wstring()), PathKind::NotRegularFile);
    EXPECT_EQ(KindOfPath((m_folder / "absent").wstring()), PathKind::Missing);
    EXPECT_EQ(ReadWholeFile((m_folder / "Skins").wstring(), 10).status, FileContents::Status::NotRegular);
    EXPECT_EQ(RenameFile((m_folder / "file").wstring(), (m_folder / "Skins").wstring()), EEXIST);
    EXPECT_EQ(RenameFile((m_folder / "file").wstring(), (m_folder / "moved").wstring()), 0);
}

}  // namespace
}  // namespace ravix
