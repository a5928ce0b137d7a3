#pragma once

// Behaviour every BinaryFiles implementation must show: natively against PortableBinaryFiles and,
// under Wine, against the Win32 adapter. Include in one source file of a test executable and
// instantiate BinaryFilesConformance there with a BinaryFilesImplementation.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/BinaryFiles.h"

struct BinaryFilesImplementation {
    std::string name;
    std::function<std::unique_ptr<ravix::BinaryFiles>()> make;
};

inline std::string BinaryFilesImplementationName(
    const ::testing::TestParamInfo<BinaryFilesImplementation>& info) {
    return info.param.name;
}

class BinaryFilesConformance : public ::testing::TestWithParam<BinaryFilesImplementation> {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_folder = std::filesystem::temp_directory_path() /
                  ("ravix-bin-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_folder);
        m_files = GetParam().make();
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    std::wstring PathOf(const std::wstring& name) const {
        return m_folder.wstring() + std::wstring(1, std::filesystem::path::preferred_separator) + name;
    }
    std::vector<std::filesystem::path> Entries() const {
        std::vector<std::filesystem::path> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder))
            names.push_back(entry.path().filename());
        return names;
    }

    std::filesystem::path m_folder;
    std::unique_ptr<ravix::BinaryFiles> m_files;
};

TEST_P(BinaryFilesConformance, ReplaceWritesTheWholeFileAndLeavesNoCopy) {
    const std::wstring path = PathOf(L"config0.bin");
    const std::vector<std::uint8_t> first(1757, 0x11), second = {1, 2, 3};
    EXPECT_EQ(m_files->Replace(path, first), 0);
    EXPECT_EQ(m_files->Replace(path, second), 0);
    EXPECT_TRUE(m_files->Exists(path));
    const ravix::FileContents contents = m_files->Read(path, 10);
    EXPECT_EQ(contents.status, ravix::FileContents::Status::Ok);
    EXPECT_EQ(contents.bytes, second);
    EXPECT_EQ(Entries(), std::vector<std::filesystem::path>{"config0.bin"});
}

TEST_P(BinaryFilesConformance, ReadSaysWhyThereIsNothing) {
    std::filesystem::create_directories(m_folder / "folder.bin");
    EXPECT_EQ(m_files->Replace(PathOf(L"big.bin"), std::vector<std::uint8_t>(11, 0)), 0);
    EXPECT_EQ(m_files->Read(PathOf(L"absent.bin"), 10).status, ravix::FileContents::Status::Missing);
    EXPECT_EQ(m_files->Read(PathOf(L"folder.bin"), 10).status, ravix::FileContents::Status::NotRegular);
    EXPECT_EQ(m_files->Read(PathOf(L"big.bin"), 10).status, ravix::FileContents::Status::TooLarge);
    EXPECT_FALSE(m_files->Exists(PathOf(L"folder.bin")));
}

// A failure gives a code to show, and neither the target nor a stray copy is left changed.
TEST_P(BinaryFilesConformance, AFailedReplaceGivesAnErrorCodeAndLeavesNoCopy) {
    std::filesystem::create_directories(m_folder / "folder.bin" / "inside");
    EXPECT_NE(m_files->Replace(PathOf(L"folder.bin"), std::vector<std::uint8_t>{1}), 0);
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "folder.bin" / "inside"));
    EXPECT_NE(m_files->Replace(PathOf(L"absent-folder/x.bin"), std::vector<std::uint8_t>{1}), 0);
    EXPECT_EQ(Entries(), std::vector<std::filesystem::path>{"folder.bin"});
}

TEST_P(BinaryFilesConformance, RenameNeverReplacesWhatIsThere) {
    ASSERT_EQ(m_files->Replace(PathOf(L"a.bin"), std::vector<std::uint8_t>{1}), 0);
    ASSERT_EQ(m_files->Replace(PathOf(L"b.bin"), std::vector<std::uint8_t>{2}), 0);
    EXPECT_NE(m_files->Rename(PathOf(L"a.bin"), PathOf(L"b.bin")), 0);
    EXPECT_EQ(m_files->Read(PathOf(L"b.bin"), 10).bytes, std::vector<std::uint8_t>{2});
    EXPECT_EQ(m_files->Rename(PathOf(L"a.bin"), PathOf(L"a.bin.damaged")), 0);
    EXPECT_EQ(m_files->Read(PathOf(L"a.bin.damaged"), 10).bytes, std::vector<std::uint8_t>{1});
    EXPECT_FALSE(m_files->Exists(PathOf(L"a.bin")));
    std::filesystem::create_directories(m_folder / "dir.bin");
    EXPECT_EQ(m_files->Rename(PathOf(L"dir.bin"), PathOf(L"dir.bin.damaged")), 0);
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "dir.bin.damaged"));
}
