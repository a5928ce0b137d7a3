#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "core/macros/MacroLibrary.h"
#include "core/platform/FileIo.h"
#include "core/platform/PortableIniFile.h"
#include "core/platform/TextCodecs.h"

namespace ravix {

// A macro library file in a folder of its own, removed after the test.
class MacroLibraryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = std::filesystem::temp_directory_path() /
                  ("ravix-macros-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "record.ini").wstring();
        library_ = std::make_unique<MacroLibrary>(ini_, path_);
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Writes the library as an 8-bit file, the way a hand-made one would be.
    void WriteLibrary(const std::string& text) const {
        ASSERT_EQ(ReplaceFileAtomically(
                      path_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())),
                  0);
    }

    // The text of a library the program created (UTF-16LE with a byte-order mark).
    std::wstring LibraryText() const {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(path_, 1u << 22).bytes;
        if (bytes.size() < 2) return {};
        return WideFromUtf16(std::span(bytes).subspan(2), false);
    }

    std::filesystem::path folder_;
    std::wstring path_;
    PortableIniFile ini_;
    std::unique_ptr<MacroLibrary> library_;

    MacroLibrary& library() { return *library_; }
};

}  // namespace ravix
