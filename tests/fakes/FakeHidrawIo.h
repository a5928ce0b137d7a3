#pragma once

#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "linux/device/HidrawIo.h"

namespace ravix::testing_support {

// What one fake device node does when the adapter talks to it.
struct FakeNode {
    int openError = 0;                          // errno an open fails with, 0: it opens
    std::vector<std::uint8_t> descriptor;       // what HIDIOCGRDESC hands out
    int descriptorSizeOverride = -1;            // a lying HIDIOCGRDESCSIZE, -1: the true size
    std::vector<std::uint8_t> featureReply;     // what HIDIOCGFEATURE copies back
    std::deque<std::vector<std::uint8_t>> reports;  // input reports waiting to be read
    bool hungUp = false;                        // the device was unplugged
    std::vector<std::vector<std::uint8_t>> featuresSent;
    std::vector<std::vector<std::uint8_t>> written;
    int openCount = 0;
};

// The hidraw system calls, scripted: a node opens only while its file exists in the test's device
// folder, and then behaves as its FakeNode says. Polls never block; an empty node times out.
class FakeHidrawIo final : public linux_hid::HidrawIo {
public:
    std::map<std::string, FakeNode>& nodes;
    int openFds = 0;

    explicit FakeHidrawIo(std::map<std::string, FakeNode>& scripted) : nodes(scripted) {}

    int Open(const std::string& path, int) override {
        std::lock_guard lock(m_mutex);
        if (!std::filesystem::exists(path)) return -ENOENT;
        FakeNode& node = nodes[path];
        if (node.openError) return -node.openError;
        ++node.openCount;
        ++openFds;
        m_fds[m_nextFd] = path;
        return m_nextFd++;
    }
    void Close(int fd) override {
        std::lock_guard lock(m_mutex);
        m_fds.erase(fd);
        --openFds;
    }
    int Ioctl(int fd, unsigned long request, void* argument) override {
        std::lock_guard lock(m_mutex);
        FakeNode& node = Node(fd);
        if (request == HIDIOCGRDESCSIZE) {
            *static_cast<int*>(argument) =
                node.descriptorSizeOverride >= 0 ? node.descriptorSizeOverride : static_cast<int>(node.descriptor.size());
            return 0;
        }
        if (request == HIDIOCGRDESC) {
            auto* descriptor = static_cast<hidraw_report_descriptor*>(argument);
            std::memcpy(descriptor->value, node.descriptor.data(), std::min<std::size_t>(descriptor->size, node.descriptor.size()));
            return 0;
        }
        const auto* bytes = static_cast<std::uint8_t*>(argument);
        if (node.hungUp) return -ENODEV;
        if (_IOC_NR(request) == 0x06) {
            node.featuresSent.emplace_back(bytes, bytes + _IOC_SIZE(request));
            return static_cast<int>(_IOC_SIZE(request));
        }
        if (_IOC_NR(request) == 0x07) {
            const std::size_t length = std::min<std::size_t>(_IOC_SIZE(request), node.featureReply.size());
            std::memcpy(argument, node.featureReply.data(), length);
            return static_cast<int>(length);
        }
        return -ENOTTY;
    }
    ssize_t Read(int fd, void* buffer, size_t length) override {
        std::lock_guard lock(m_mutex);
        FakeNode& node = Node(fd);
        if (node.hungUp) return -ENODEV;
        if (node.reports.empty()) return -EAGAIN;
        const std::vector<std::uint8_t> report = node.reports.front();
        node.reports.pop_front();
        const std::size_t count = std::min(length, report.size());
        std::memcpy(buffer, report.data(), count);
        return static_cast<ssize_t>(count);
    }
    ssize_t Write(int fd, const void* buffer, size_t length) override {
        std::lock_guard lock(m_mutex);
        FakeNode& node = Node(fd);
        if (node.hungUp) return -ENODEV;
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        node.written.emplace_back(bytes, bytes + length);
        return static_cast<ssize_t>(length);
    }
    int Poll(pollfd* fds, nfds_t count, int) override {
        std::lock_guard lock(m_mutex);
        int ready = 0;
        for (nfds_t index = 0; index < count; ++index) {
            FakeNode& node = Node(fds[index].fd);
            fds[index].revents = node.hungUp ? POLLHUP : node.reports.empty() ? 0 : POLLIN;
            if (fds[index].revents) ++ready;
        }
        ++polls;
        return ready;
    }

    int polls = 0;

private:
    FakeNode& Node(int fd) { return nodes[m_fds.at(fd)]; }

    std::mutex m_mutex;
    std::map<int, std::string> m_fds;
    int m_nextFd = 3;
};

}  // namespace ravix::testing_support
