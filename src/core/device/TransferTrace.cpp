#include "core/device/TransferTrace.h"

#include <algorithm>

namespace ravix {
namespace {

constexpr std::string_view kFailed = " FAILED";

void RecordOutcome(TransferSink& sink, std::string_view name, bool ok, std::span<const std::uint8_t> bytes) {
    if (ok)
        sink.Record(FormatTransfer(name, bytes));
    else
        sink.Record(std::string(name) + std::string(kFailed));
}

}  // namespace

std::string FormatTransfer(std::string_view name, std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line(name);
    for (std::uint8_t byte : bytes) {
        line += ' ';
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
    }
    return line;
}

TracingCommandChannel::TracingCommandChannel(std::unique_ptr<CommandChannel> inner, TransferSink& sink)
    : m_inner(std::move(inner)), m_sink(sink) {}

bool TracingCommandChannel::SetFeature(std::span<const std::uint8_t> report) {
    const bool ok = m_inner->SetFeature(report);
    RecordOutcome(m_sink, "SET_FEATURE", ok, report);
    return ok;
}

bool TracingCommandChannel::GetFeature(std::span<std::uint8_t> report) {
    const bool ok = m_inner->GetFeature(report);
    RecordOutcome(m_sink, "GET_FEATURE", ok, report);
    return ok;
}

bool TracingCommandChannel::WriteReport(std::span<const std::uint8_t> report) {
    const bool ok = m_inner->WriteReport(report);
    RecordOutcome(m_sink, "WRITE", ok, report);
    return ok;
}

std::optional<std::size_t> TracingCommandChannel::ReadReport(std::span<std::uint8_t> report,
                                                             std::uint32_t timeoutMs) {
    const std::optional<std::size_t> read = m_inner->ReadReport(report, timeoutMs);
    RecordOutcome(m_sink, "READ", read.has_value(), report.first(std::min(read.value_or(0), report.size())));
    return read;
}

std::unique_ptr<CommandChannel> TracingHidBus::OpenCommandChannel(const std::wstring& path) {
    std::unique_ptr<CommandChannel> channel = m_inner.OpenCommandChannel(path);
    if (!channel) return nullptr;
    return std::make_unique<TracingCommandChannel>(std::move(channel), m_sink);
}

void TracingClock::Sleep(std::uint32_t milliseconds) {
    m_sink.Record("SLEEP " + std::to_string(milliseconds));
    m_inner.Sleep(milliseconds);
}

}  // namespace ravix
