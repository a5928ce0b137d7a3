#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/fakes/FakeHidrawIo.h"
#include "linux/device/LinuxHidBus.h"

namespace ravix::testing_support {

// A fake sysfs class folder and device folder made by the test, with scripted nodes in them, and a
// hidraw bus over both.
class HidrawTree : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        m_root = std::filesystem::temp_directory_path() /
                 ("ravix-hidraw-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
                  std::to_string(counter++));
        locations = {m_root / "sys" / "class" / "hidraw", m_root / "dev"};
        std::filesystem::create_directories(locations.sysfsClass);
        std::filesystem::create_directories(locations.devDir);
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    // A hidraw node of a device: its uevent and (unless nothing) its descriptor in sysfs, and its
    // device node.
    FakeNode& AddNode(const std::string& name, std::uint16_t vendor, std::uint16_t product,
                      const std::vector<std::uint8_t>* descriptor) {
        const auto device = locations.sysfsClass / name / "device";
        std::filesystem::create_directories(device);
        char id[40];
        std::snprintf(id, sizeof id, "HID_ID=0003:%08X:%08X", vendor, product);
        std::ofstream(device / "uevent") << "DRIVER=hid-generic\n" << id << "\nHID_NAME=Test\n";
        if (descriptor)
            std::ofstream(device / "report_descriptor", std::ios::binary)
                .write(reinterpret_cast<const char*>(descriptor->data()), static_cast<std::streamsize>(descriptor->size()));
        std::ofstream(locations.devDir / name).put('\0');
        FakeNode& node = nodes[DevPath(name)];
        if (descriptor) node.descriptor = *descriptor;
        return node;
    }
    FakeNode& AddMouseNode(const std::string& name, const std::vector<std::uint8_t>& descriptor) {
        return AddNode(name, 0x04D9, 0xA0F4, &descriptor);
    }
    void RemoveNode(const std::string& name) {
        std::filesystem::remove_all(locations.sysfsClass / name);
        std::filesystem::remove(locations.devDir / name);
    }

    std::string DevPath(const std::string& name) const { return (locations.devDir / name).string(); }
    std::wstring Path(const std::string& name) const {
        const std::string path = DevPath(name);
        return std::wstring(path.begin(), path.end());
    }

    // A bus over the tree; its diagnostics are collected.
    linux_hid::LinuxHidBus& Bus() {
        if (!m_bus) {
            auto io = std::make_unique<FakeHidrawIo>(nodes);
            m_io = io.get();
            m_bus = std::make_unique<linux_hid::LinuxHidBus>(std::move(io), locations,
                                                             [this](const std::string& line) { diagnostics.push_back(line); });
        }
        return *m_bus;
    }

    linux_hid::HidrawLocations locations;
    std::map<std::string, FakeNode> nodes;
    std::vector<std::string> diagnostics;
    FakeHidrawIo* m_io = nullptr;

private:
    std::filesystem::path m_root;
    std::unique_ptr<linux_hid::LinuxHidBus> m_bus;
};

}  // namespace ravix::testing_support
