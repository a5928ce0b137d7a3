#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "core/device/CommandChannel.h"
#include "core/device/EventChannel.h"
#include "core/device/HidBus.h"
#include "win/device/OverlappedIo.h"
#include "win/platform/FailureTrace.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// The machine's HID bus: the interfaces of the HID class that SetupAPI lists as present, opened
// with CreateFileW and asked through the HID class driver. Each system call that fails is noted in
// the trace given, if any, with the system's error; the callers get the port's plain answers.
class WinHidBus final : public HidBus {
public:
    explicit WinHidBus(TransferSink* trace = nullptr) : m_failures(trace) {}

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override;
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override;
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override;
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override;

private:
    FailureTrace m_failures;
};

// The command interface. Feature reports go through the HID class driver; output and input
// reports are overlapped transfers that are waited for, so that a mouse that stops answering
// cannot hold the user interface for longer than the time-out.
class WinCommandChannel final : public CommandChannel {
public:
    // A write that the mouse does not take within this time is given up.
    static constexpr std::uint32_t kWriteTimeoutMs = 1000;

    WinCommandChannel(UniqueHandle file, UniqueHandle ioEvent, FailureTrace failures = FailureTrace())
        : m_file(std::move(file)), m_ioEvent(std::move(ioEvent)), m_failures(failures) {}

    bool SetFeature(std::span<const std::uint8_t> report) override;
    bool GetFeature(std::span<std::uint8_t> report) override;
    bool WriteReport(std::span<const std::uint8_t> report) override;
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;

private:
    OverlappedFile Target() const { return {m_file.Get(), m_ioEvent.Get()}; }

    UniqueHandle m_file;
    UniqueHandle m_ioEvent;
    FailureTrace m_failures;
};

// The event interface, opened for reading only and overlapped. The listener waits on its handle
// with a read record of its own; ReadReport serves everyone else.
class WinEventChannel final : public EventChannel {
public:
    WinEventChannel(UniqueHandle file, UniqueHandle ioEvent, UniqueHandle cancelEvent,
                    FailureTrace failures = FailureTrace())
        : m_file(std::move(file)),
          m_ioEvent(std::move(ioEvent)),
          m_cancelEvent(std::move(cancelEvent)),
          m_failures(failures) {}

    HANDLE Handle() const { return m_file.Get(); }

    // The read is overlapped; it ends early, cancelled on the reading thread, when Cancel signals.
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;
    void Cancel() override { SetEvent(m_cancelEvent.Get()); }
    void AllowReads() override { ResetEvent(m_cancelEvent.Get()); }

private:
    UniqueHandle m_file;
    UniqueHandle m_ioEvent;
    UniqueHandle m_cancelEvent;  // manual reset: while set, every read ends at once
    FailureTrace m_failures;
};

}  // namespace ravix::win
