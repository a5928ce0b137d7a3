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
        m_folder = std::filesystem::temp_directory_path() /
                  ("ravix-macros-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "record.ini").wstring();
        m_library = std::make_unique<MacroLibrary>(m_ini, m_path);
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    // Writes the library as an 8-bit file, the way a hand-made one would be.
    void WriteLibrary(const std::string& text) const {
        ASSERT_EQ(ReplaceFileAtomically(
                      m_path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())),
                  0);
    }

    // The text of a library the program created (UTF-16LE with a byte-order mark).
    std::wstring LibraryText() const {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(m_path, 1u << 22).bytes;
        if (bytes.size() < 2) return {};
        return WideFromUtf16(std::span(bytes).subspan(2), false);
    }

    std::filesystem::path m_folder;
    std::wstring m_path;
    PortableIniFile m_ini;
    std::unique_ptr<MacroLibrary> m_library;

    MacroLibrary& library() { return *m_library; }
};

}  // namespace ravix
