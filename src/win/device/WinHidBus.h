#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "core/device/CommandChannel.h"
#include "core/device/EventChannel.h"
#include "core/device/HidBus.h"
#include "win/device/UniqueHandle.h"

namespace ravix::win {

// The machine's HID bus: the interfaces of the HID class that SetupAPI lists as present, opened
// with CreateFileW and asked through the HID class driver.
class WinHidBus final : public HidBus {
public:
    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override;
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override;
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override;
};

// The command interface. Feature reports go through the HID class driver; output and input
// reports are overlapped transfers that are waited for, so that a mouse that stops answering
// cannot hold the user interface for longer than the time-out.
class WinCommandChannel final : public CommandChannel {
public:
    // A write that the mouse does not take within this time is given up.
    static constexpr std::uint32_t kWriteTimeoutMs = 1000;

    WinCommandChannel(UniqueHandle file, UniqueHandle ioEvent)
        : file_(std::move(file)), ioEvent_(std::move(ioEvent)) {}

    bool SetFeature(std::span<const std::uint8_t> report) override;
    bool GetFeature(std::span<std::uint8_t> report) override;
    bool WriteReport(std::span<const std::uint8_t> report) override;
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;

private:
    UniqueHandle file_;
    UniqueHandle ioEvent_;
};

// The event interface, opened for reading only and overlapped. The listener waits on its handle
// with a read record of its own; ReadReport serves everyone else.
class WinEventChannel final : public EventChannel {
public:
    WinEventChannel(UniqueHandle file, UniqueHandle ioEvent, UniqueHandle cancelEvent)
        : file_(std::move(file)), ioEvent_(std::move(ioEvent)), cancelEvent_(std::move(cancelEvent)) {}

    HANDLE Handle() const { return file_.Get(); }

    // The read is overlapped; it ends early, cancelled on the reading thread, when Cancel signals.
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    void Cancel() override { SetEvent(cancelEvent_.Get()); }
    void AllowReads() override { ResetEvent(cancelEvent_.Get()); }

private:
    UniqueHandle file_;
    UniqueHandle ioEvent_;
    UniqueHandle cancelEvent_;  // manual reset: while set, every read ends at once
};

}  // namespace ravix::win
