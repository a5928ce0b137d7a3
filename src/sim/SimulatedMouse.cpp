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
                  m_memory.begin() + ProfileBlockOffset(profile) + kProfileBlockDpiLevels);
}

std::span<const std::uint8_t, kDeviceBlockSize> SimulatedMouse::ProfileBlock(std::size_t profile) const {
    return std::span<const std::uint8_t, kDeviceBlockSize>(m_memory.data() + ProfileBlockOffset(profile),
                                                           kDeviceBlockSize);
}

std::span<const std::uint8_t, kDeviceBlockSize> SimulatedMouse::ButtonMap() const {
    return std::span<const std::uint8_t, kDeviceBlockSize>(m_memory.data() + kButtonMapOffset,
                                                           kDeviceBlockSize);
}

std::span<const std::uint8_t, kDeviceBlockSize> SimulatedMouse::MacroSlot(std::size_t slot) const {
    return std::span<const std::uint8_t, kDeviceBlockSize>(m_memory.data() + MacroSlotOffset(slot),
                                                           kDeviceBlockSize);
}

void SimulatedMouse::SetCurrentProfile(std::uint8_t profile) {
    if (profile < kProfileCount) m_memory[kHeaderCurrentProfile] = profile;
}

void SimulatedMouse::PressDpiButton() {
    m_dpiStage = static_cast<std::uint8_t>(m_dpiStage % kDpiStageCount + 1);
    QueueEvent(kFirstDpiStageEvent, m_dpiStage);
}

void SimulatedMouse::SelectMacroKey(std::uint8_t key) {
    QueueEvent(kMacroKeyEvent, key);
}

bool SimulatedMouse::ReceiveFeature(std::span<const std::uint8_t> report) {
    if (report.size() < kSimFeatureReportLength) return false;
    const CommandFrame frame = FrameFromBytes(report.subspan<1, sizeof(CommandFrame)>());
    if (!HasValidChecksum(frame)) {
        ++m_rejectedFrames;
        return true;
    }
    Execute(frame);
    return true;
}

bool SimulatedMouse::AnswerFeature(std::span<std::uint8_t> report) {
    if (!m_answering || report.size() < kSimFeatureReportLength) return false;
    std::fill(report.begin(), report.end(), 0);
    const auto bytes = FrameBytes(m_reply);
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
    return true;
}

bool SimulatedMouse::ReceiveOutputReport(std::span<const std::uint8_t> report) {
    if (report.size() != kSimCommandReportLength) return false;
    if (!m_pendingWrite) return true;  // no block announced: the report is dropped
    PendingWrite& write = *m_pendingWrite;
    const std::size_t offset = write.received * kDataBytesPerReport;
    if (offset < write.data.size())
        std::copy_n(report.begin() + 1, std::min(kDataBytesPerReport, write.data.size() - offset),
                    write.data.begin() + offset);
    ++write.received;
    if (--write.reportsLeft == 0) {
        if (write.destination)
            std::copy_n(write.data.begin(), write.length, m_memory.begin() + *write.destination);
        m_pendingWrite.reset();
    }
    return true;
}

std::optional<std::size_t> SimulatedMouse::SendInputReport(std::span<std::uint8_t> report) {
    if (!m_answering || m_inputReports.empty()) return std::nullopt;  // the host's read times out
    const DataReport next = m_inputReports.front();
    m_inputReports.pop_front();
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
    std::unique_lock lock(m_eventMutex);
    const auto ready = [&] { return !m_eventReports.empty() || giveUp(); };
    if (timeoutMs == EventChannel::kWaitForever)
        m_eventArrived.wait(lock, ready);
    else
        m_eventArrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    if (m_eventReports.empty() || giveUp()) return std::nullopt;
    const EventReport next = m_eventReports.front();
    m_eventReports.pop_front();
    const std::size_t count = std::min(report.size(), next.size());
    std::copy_n(next.begin(), count, report.begin());
    return count;
}

void SimulatedMouse::Execute(const CommandFrame& frame) {
    // A new command ends whatever data phase was still open.
    m_pendingWrite.reset();
    m_inputReports.clear();
    m_reply = CommandFrame{};
    const std::uint8_t argument1 = frame.arguments[0];
    const std::uint8_t argument2 = frame.arguments[1];
    switch (frame.code) {
        case kConnectCommand:
            m_memory[kHeaderConnectByte] = argument1;
            break;
        case kSelectProfileCommand:
            SetCurrentProfile(argument1);
            break;
        case kReportRateCommand:
            m_memory[kHeaderReportRate] = argument2;
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
            m_reply = MakeFrame(frame.code, CurrentProfile());
            break;
        case kReadProfileBlockCommand:
            m_reply = MakeFrame(frame.code, 0, static_cast<std::uint8_t>(kDeviceBlockSize));
            QueueBlock(ProfileBlockOffset(CurrentProfile()));
            break;
        default:
            break;  // unknown commands are ignored
    }
}

void SimulatedMouse::ExpectBlock(std::optional<std::size_t> destination, std::uint8_t length) {
    if (length == 0) return;
    m_pendingWrite =
        PendingWrite{destination, std::min<std::size_t>(length, kDeviceBlockSize), ReportsFor(length), 0, {}};
}

void SimulatedMouse::QueueBlock(std::size_t offset) {
    for (std::size_t part = 0; part < kDeviceBlockSize / kDataBytesPerReport; ++part) {
        DataReport report{};
        std::copy_n(m_memory.begin() + offset + part * kDataBytesPerReport, kDataBytesPerReport,
                    report.begin() + 1);
        m_inputReports.push_back(report);
    }
}

void SimulatedMouse::QueueEvent(std::uint8_t code, std::uint8_t value) {
    {
        std::lock_guard lock(m_eventMutex);
        m_eventReports.push_back(EventReport{6, 7, code, value});
    }
    m_eventArrived.notify_all();
}

void SimulatedMouse::WakeEventReaders() {
    // Taking the lock orders the caller's changes before the readers look at them again.
    { std::lock_guard lock(m_eventMutex); }
    m_eventArrived.notify_all();
}

}  // namespace ravix
