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
    : inner_(std::move(inner)), sink_(sink) {}

bool TracingCommandChannel::SetFeature(std::span<const std::uint8_t> report) {
    const bool ok = inner_->SetFeature(report);
    RecordOutcome(sink_, "SET_FEATURE", ok, report);
    return ok;
}

bool TracingCommandChannel::GetFeature(std::span<std::uint8_t> report) {
    const bool ok = inner_->GetFeature(report);
    RecordOutcome(sink_, "GET_FEATURE", ok, report);
    return ok;
}

bool TracingCommandChannel::WriteReport(std::span<const std::uint8_t> report) {
    const bool ok = inner_->WriteReport(report);
    RecordOutcome(sink_, "WRITE", ok, report);
    return ok;
}

std::optional<std::size_t> TracingCommandChannel::ReadReport(std::span<std::uint8_t> report,
                                                             std::uint32_t timeoutMs) {
    const std::optional<std::size_t> read = inner_->ReadReport(report, timeoutMs);
    RecordOutcome(sink_, "READ", read.has_value(), report.first(std::min(read.value_or(0), report.size())));
    return read;
}

std::unique_ptr<CommandChannel> TracingHidBus::OpenCommandChannel(const std::wstring& path) {
    std::unique_ptr<CommandChannel> channel = inner_.OpenCommandChannel(path);
    if (!channel) return nullptr;
    return std::make_unique<TracingCommandChannel>(std::move(channel), sink_);
}

void TracingClock::Sleep(std::uint32_t milliseconds) {
    sink_.Record("SLEEP " + std::to_string(milliseconds));
    inner_.Sleep(milliseconds);
}

}  // namespace ravix
