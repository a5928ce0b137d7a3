#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/CommandChannel.h"
#include "core/device/HidBus.h"
#include "core/platform/Clock.h"

namespace ravix {

// The transfer log: one line per transfer on the command interface and per pause, e.g.
//   SET_FEATURE 00 82 00 00 00 00 00 00 7D
//   SLEEP 20
// A transfer that failed is logged as its name followed by FAILED.
class TransferSink {
public:
    virtual ~TransferSink() = default;
    virtual void Record(std::string_view line) = 0;
};

// A transfer log kept in memory.
class TransferLog final : public TransferSink {
public:
    void Record(std::string_view line) override { m_lines.emplace_back(line); }
    const std::vector<std::string>& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }

private:
    std::vector<std::string> m_lines;
};

// "NAME B0 B1 ..." with two-digit upper-case hex bytes.
std::string FormatTransfer(std::string_view name, std::span<const std::uint8_t> bytes);

// A command channel that logs every transfer of the channel it wraps.
class TracingCommandChannel final : public CommandChannel {
public:
    TracingCommandChannel(std::unique_ptr<CommandChannel> inner, TransferSink& sink);

    bool SetFeature(std::span<const std::uint8_t> report) override;
    bool GetFeature(std::span<std::uint8_t> report) override;
    bool WriteReport(std::span<const std::uint8_t> report) override;
    std::optional<std::size_t> ReadReport(std::span<std::uint8_t> report, std::uint32_t timeoutMs) override;

private:
    std::unique_ptr<CommandChannel> m_inner;
    TransferSink& m_sink;
};

// A bus whose command channels log their transfers, for tracing the real mouse.
class TracingHidBus final : public HidBus {
public:
    TracingHidBus(HidBus& inner, TransferSink& sink) : m_inner(inner), m_sink(sink) {}

    std::unique_ptr<HidInterfaceSet> PresentInterfaces() override { return m_inner.PresentInterfaces(); }
    std::unique_ptr<HidProbe> OpenProbe(const std::wstring& path) override { return m_inner.OpenProbe(path); }
    std::unique_ptr<CommandChannel> OpenCommandChannel(const std::wstring& path) override;
    std::unique_ptr<EventChannel> OpenEventChannel(const std::wstring& path) override {
        return m_inner.OpenEventChannel(path);
    }
    std::unique_ptr<DeviceWatch> WatchChanges() override { return m_inner.WatchChanges(); }

private:
    HidBus& m_inner;
    TransferSink& m_sink;
};

// A clock that logs every pause before taking it.
class TracingClock final : public Clock {
public:
    TracingClock(Clock& inner, TransferSink& sink) : m_inner(inner), m_sink(sink) {}

    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t TickCount() override { return m_inner.TickCount(); }
    void BeginFinePauses() override { m_inner.BeginFinePauses(); }
    void EndFinePauses() override { m_inner.EndFinePauses(); }

private:
    Clock& m_inner;
    TransferSink& m_sink;
};

}  // namespace ravix
