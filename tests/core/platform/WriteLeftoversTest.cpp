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
        folder_ = fs::temp_directory_path() / ("ravix-leftovers-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "Skins");
    }
    void TearDown() override { fs::remove_all(folder_); }
    void Touch(const fs::path& name) { std::ofstream(folder_ / name) << "x"; }
    fs::path folder_;
};

TEST_F(WriteLeftovers, OnlyTheProgramsOwnCutShortCopiesAreRemoved) {
    const char* leftovers[] = {"config0.bin.writing", "str0.ini.writing.writing", "BACKUP.BIN.writing"};
    const char* kept[] = {"config0.bin",  "config0.bin.damaged",     "notes.txt.writing",
                          ".bin.writing", "config0.bin.writing.txt", "Skins/main.ini.writing"};
    for (const char* name : leftovers) Touch(name);
    for (const char* name : kept) Touch(name);
    fs::create_directories(folder_ / "str1.ini.writing");  // a folder is never removed

    EXPECT_THAT(RemoveAtomicWriteLeftovers(folder_.wstring()),
                ::testing::UnorderedElementsAre(L"config0.bin.writing", L"str0.ini.writing.writing",
                                                L"BACKUP.BIN.writing"));
    for (const char* name : leftovers) EXPECT_FALSE(fs::exists(folder_ / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(folder_ / name)) << name;
    EXPECT_TRUE(fs::is_directory(folder_ / "str1.ini.writing"));
    EXPECT_THAT(RemoveAtomicWriteLeftovers((folder_ / "absent").wstring()), ::testing::IsEmpty());
}

TEST_F(WriteLeftovers, WhatANameStandsFor) {
    Touch("file");
    EXPECT_EQ(KindOfPath((folder_ / "file").wstring()), PathKind::RegularFile);
    EXPECT_EQ(KindOfPath((folder_ / "Skins").wstring()), PathKind::NotRegularFile);
    EXPECT_EQ(KindOfPath((folder_ / "absent").wstring()), PathKind::Missing);
    EXPECT_EQ(ReadWholeFile((folder_ / "Skins").wstring(), 10).status, FileContents::Status::NotRegular);
    EXPECT_EQ(RenameFile((folder_ / "file").wstring(), (folder_ / "Skins").wstring()), EEXIST);
    EXPECT_EQ(RenameFile((folder_ / "file").wstring(), (folder_ / "moved").wstring()), 0);
}

}  // namespace
}  // namespace ravix
