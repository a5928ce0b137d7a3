#include "sim/SimulatedMouse.h"

#include <algorithm>
#include <chrono>

#include "core/device/CommandProtocol.h"
#include "core/device/EventChannel.h"
#include "core/device/EventReport.h"

namespace ravix {
namespace {

constexpr std::uint8_t kDpiStageCount = 4;
// 800, 1600, 2400, 3200, 4000 and 4800 DPI, so that a DPI notice has something to show.
constexpr std::array<std::uint8_t, 6> kInitialDpiLevels = {16, 32, 48, 64, 80, 96};

std::size_t ReportsFor(std::uint8_t length) {
    return (length + kDataBytesPerReport - 1) / kDataBytesPerReport;
}

}  // namespace

SimulatedMouse::SimulatedMouse() {
    for (std::size_t profile = 0; profile < kProfileCount; ++profile)
        std::copy(kInitialDpiLevels.begin(), kInitialDpiLevels.end(),
                  memory_.begin() + ProfileBlockOffset(profile) + kProfileBlockDpiLevels);
}

std::span<const std::uint8_t, kDeviceBlockSize> SimulatedMouse::ProfileBlock(std::size_t profile) const {
    return std::span<const std::uint8_t, kDeviceBlockSize>(memory_.data() + ProfileBlockOffset(profile),
                                                           kDeviceBlockSize);
}

std::span<const std::uint8_t, kDeviceBlockSize> SimulatedMouse::ButtonMap() const {
    return std::span<const std::uint8_t, kDeviceBlockSize>(memory_.data() + kButtonMapOffset,
                                                           kDeviceBlockSize);
}

std::span<const std::uint8_t, kDeviceBlockSize> SimulatedMouse::MacroSlot(std::size_t slot) const {
    return std::span<const std::uint8_t, kDeviceBlockSize>(memory_.data() + MacroSlotOffset(slot),
                                                           kDeviceBlockSize);
}

void SimulatedMouse::SetCurrentProfile(std::uint8_t profile) {
    if (profile < kProfileCount) memory_[kHeaderCurrentProfile] = profile;
}

void SimulatedMouse::PressDpiButton() {
    dpiStage_ = static_cast<std::uint8_t>(dpiStage_ % kDpiStageCount + 1);
    QueueEvent(kFirstDpiStageEvent, dpiStage_);
}

void SimulatedMouse::SelectMacroKey(std::uint8_t key) {
    QueueEvent(kMacroKeyEvent, key);
}

bool SimulatedMouse::ReceiveFeature(std::span<const std::uint8_t> report) {
    if (report.size() < kSimFeatureReportLength) return false;
    const CommandFrame frame = FrameFromBytes(report.subspan<1, sizeof(CommandFrame)>());
    if (!HasValidChecksum(frame)) {
        ++rejectedFrames_;
        return true;
    }
    Execute(frame);
    return true;
}

bool SimulatedMouse::AnswerFeature(std::span<std::uint8_t> report) {
    if (!answering_ || report.size() < kSimFeatureReportLength) return false;
    std::fill(report.begin(), report.end(), 0);
    const auto bytes = FrameBytes(reply_);
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
    return true;
}

bool SimulatedMouse::ReceiveOutputReport(std::span<const std::uint8_t> report) {
    if (report.size() != kSimCommandReportLength) return false;
    if (!pendingWrite_) return true;  // no block announced: the report is dropped
    PendingWrite& write = *pendingWrite_;
    const std::size_t offset = write.received * kDataBytesPerReport;
    if (offset < write.data.size())
        std::copy_n(report.begin() + 1, std::min(kDataBytesPerReport, write.data.size() - offset),
                    write.data.begin() + offset);
    ++write.received;
    if (--write.reportsLeft == 0) {
        if (write.destination)
            std::copy_n(write.data.begin(), write.length, memory_.begin() + *write.destination);
        pendingWrite_.reset();
    }
    return true;
}

std::optional<std::size_t> SimulatedMouse::SendInputReport(std::span<std::uint8_t> report) {
    if (!answering_ || inputReports_.empty()) return std::nullopt;  // the host's read times out
    const DataReport next = inputReports_.front();
    inputReports_.pop_front();
    const std::size_t count = std::min(report.size(), next.size());
    std::copy_n(next.begin(), count, report.begin());
    return count;
}

std::optional<std::size_t> SimulatedMouse::SendEventReport(std::span<std::uint8_t> report) {
    return WaitForEventReport(report, 0, [] { return false; });
}

std::optional<std::size_t> SimulatedMouse::WaitForEventReport(std::span<std::uint8_t> report,
                                                              std::uint32_t timeoutMs,
                                                              const std::function<bool()>& giveUp) {
    std::unique_lock lock(eventMutex_);
    const auto ready = [&] { return !eventReports_.empty() || giveUp(); };
    if (timeoutMs == EventChannel::kWaitForever)
        eventArrived_.wait(lock, ready);
    else
        eventArrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    if (eventReports_.empty() || giveUp()) return std::nullopt;
    const EventReport next = eventReports_.front();
    eventReports_.pop_front();
    const std::size_t count = std::min(report.size(), next.size());
    std::copy_n(next.begin(), count, report.begin());
    return count;
}

void SimulatedMouse::Execute(const CommandFrame& frame) {
    // A new command ends whatever data phase was still open.
    pendingWrite_.reset();
    inputReports_.clear();
    reply_ = CommandFrame{};
    const std::uint8_t argument1 = frame.arguments[0];
    const std::uint8_t argument2 = frame.arguments[1];
    switch (frame.code) {
        case kConnectCommand:
            memory_[kHeaderConnectByte] = argument1;
            break;
        case kSelectProfileCommand:
            SetCurrentProfile(argument1);
            break;
        case kReportRateCommand:
            memory_[kHeaderReportRate] = argument2;
            break;
        case kProfileBlockCommand:
            ExpectBlock(ProfileBlockOffset(CurrentProfile()), argument2);
            break;
        case kButtonMapCommand:
            ExpectBlock(kButtonMapOffset, argument2);
            break;
        case kMacroSlotCommand:
            ExpectBlock(argument1 >= 1 && argument1 <= kMacroSlotCount
                            ? std::optional(MacroSlotOffset(argument1))
                            : std::nullopt,
                        argument2);
            break;
        case kReadCurrentProfileCommand:
            reply_ = MakeFrame(frame.code, CurrentProfile());
            break;
        case kReadProfileBlockCommand:
            reply_ = MakeFrame(frame.code, 0, static_cast<std::uint8_t>(kDeviceBlockSize));
            QueueBlock(ProfileBlockOffset(CurrentProfile()));
            break;
        default:
            break;  // unknown commands are ignored
    }
}

void SimulatedMouse::ExpectBlock(std::optional<std::size_t> destination, std::uint8_t length) {
    if (length == 0) return;
    pendingWrite_ =
        PendingWrite{destination, std::min<std::size_t>(length, kDeviceBlockSize), ReportsFor(length), 0, {}};
}

void SimulatedMouse::QueueBlock(std::size_t offset) {
    for (std::size_t part = 0; part < kDeviceBlockSize / kDataBytesPerReport; ++part) {
        DataReport report{};
        std::copy_n(memory_.begin() + offset + part * kDataBytesPerReport, kDataBytesPerReport,
                    report.begin() + 1);
        inputReports_.push_back(report);
    }
}

void SimulatedMouse::QueueEvent(std::uint8_t code, std::uint8_t value) {
    {
        std::lock_guard lock(eventMutex_);
        eventReports_.push_back(EventReport{6, 7, code, value});
    }
    eventArrived_.notify_all();
}

void SimulatedMouse::WakeEventReaders() {
    // Taking the lock orders the caller's changes before the readers look at them again.
    { std::lock_guard lock(eventMutex_); }
    eventArrived_.notify_all();
}

}  // namespace ravix
