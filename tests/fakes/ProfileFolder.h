#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

#include "core/platform/BinaryFiles.h"
#include "core/platform/PortableIniFile.h"
#include "core/store/FactoryFiles.h"
#include "core/store/ProfileFiles.h"
#include "tests/fakes/FakeNotifier.h"

namespace ravix {

// A fresh folder holding the program and its profile files, with the ports to reach them.
class ProfileFolder : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        m_folder =
            std::filesystem::temp_directory_path() /
            ("ravix-profiles-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
             "-" + std::to_string(counter++));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::wstring Path(const std::wstring& name) const { return m_folder.wstring() + L"/" + name; }

    // A configuration file of `size` bytes holding `settings` after the first-run flag.
    void WriteConfig(const std::wstring& name, const ProfileSettings& settings, std::uint8_t firstRun = 1,
                     std::size_t size = kConfigFileBytes) {
        std::vector<std::uint8_t> bytes = {firstRun};
        const auto body = BytesOf(settings);
        bytes.insert(bytes.end(), body.begin(), body.end());
        bytes.resize(size, 0);
        ASSERT_EQ(m_files.Replace(Path(name), bytes), 0);
    }

    std::vector<std::uint8_t> Contents(const std::wstring& name) const {
        return m_files.Read(Path(name), 1u << 20).bytes;
    }

    // The settings stored in a configuration file the program wrote (flag 1, exact size).
    ProfileSettings StoredSettings(const std::wstring& name) const {
        const std::vector<std::uint8_t> bytes = Contents(name);
        ProfileSettings settings{};
        EXPECT_EQ(bytes.size(), kConfigFileBytes);
        if (bytes.size() != kConfigFileBytes) return settings;
        EXPECT_EQ(bytes[0], 1);
        std::copy(bytes.begin() + 1, bytes.end(), BytesOf(settings).begin());
        return settings;
    }

    void WriteList(const std::vector<std::wstring>& names, const std::wstring& current,
                   const std::wstring& count) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            m_ini.WriteString(Path(L"str.ini"), L"Profile", L"Item" + std::to_wstring(i), names[i]);
        }
        m_ini.WriteString(Path(L"str.ini"), L"Profile", L"CurProfileName", current);
        m_ini.WriteString(Path(L"str.ini"), L"Profile", L"ItemCount", count);
    }

    // A settings record in range whose reserved bytes and macro slot images tell which file it came
    // from (file byte 2 holds the marker).
    static ProfileSettings Marked(std::uint8_t marker) {
        ProfileSettings settings = FactorySettings(0);
        settings.reserved1.fill(marker);
        for (auto& slot : settings.macroSlots) slot.fill(marker);
        return settings;
    }
    static constexpr std::size_t kMarkerByte = 2;

    ProfileFilePorts Ports() { return {Path(L"Velmar Ravix Driver.exe"), m_ini, m_files, m_notifier}; }

    std::filesystem::path m_folder;
    PortableIniFile m_ini;
    PortableBinaryFiles m_files;
    FakeNotifier m_notifier;
};

}  // namespace ravix
