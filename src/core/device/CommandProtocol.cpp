#include "core/device/CommandProtocol.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ravix {
namespace {

constexpr std::size_t kFrameReportLength = 1 + sizeof(CommandFrame);
constexpr std::uint8_t kBlockLength = static_cast<std::uint8_t>(kDeviceBlockSize);
constexpr std::uint32_t kCommandPauseMs = 10;
constexpr std::uint32_t kButtonMapPauseMs = 2;
constexpr std::size_t kMacroSlotReports = kDeviceBlockSize / kDataBytesPerReport;

std::size_t ReportCount(std::uint8_t blockLength) {
    return (blockLength + kDataBytesPerReport - 1) / kDataBytesPerReport;
}

void SendFrame(DeviceLink& link, CommandFrame& frame) {
    frame.checksum = FrameChecksum(frame);
    std::vector<std::uint8_t> report(std::max<std::size_t>(link.featureReportLength, kFrameReportLength), 0);
    const auto bytes = FrameBytes(frame);
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
    if (link.commandHandle) link.commandHandle->SetFeature(report);
}

// The reply's eight frame bytes replace the frame; an unanswered read leaves zeros.
void ReceiveReply(DeviceLink& link, CommandFrame& frame) {
    std::vector<std::uint8_t> report(std::max<std::size_t>(link.featureReportLength, kFrameReportLength), 0);
    if (!link.commandHandle || !link.commandHandle->GetFeature(report))
        std::fill(report.begin(), report.end(), 0);
    frame = FrameFromBytes(std::span<const std::uint8_t, 8>(report.data() + 1, 8));
}

void WriteData(DeviceLink& link, Clock& clock, std::span<const std::uint8_t> block, std::size_t reports) {
    for (std::size_t i = 0; i < reports; ++i) {
        std::array<std::uint8_t, kDataReportLength> report{};
        const std::size_t offset = i * kDataBytesPerReport;
        if (offset < block.size()) {
            const std::size_t count = std::min(kDataBytesPerReport, block.size() - offset);
            std::copy_n(block.begin() + offset, count, report.begin() + 1);
        }
        if (link.commandHandle) link.commandHandle->WriteReport(report);
        clock.Sleep(kReportPauseMs);
    }
}

// Reads every announced report, so that an over-long reply is drained, but keeps only what fits
// the block; the block changes only when all of them arrived.
void ReadData(DeviceLink& link, Block block, std::size_t reports) {
    if (reports == 0) return;
    if (!link.commandHandle) return;
    std::array<std::uint8_t, kDeviceBlockSize> staged;
    std::copy(block.begin(), block.end(), staged.begin());
    std::vector<std::uint8_t> report(link.commandInputReportLength);
    for (std::size_t i = 0; i < reports; ++i) {
        std::fill(report.begin(), report.end(), 0);
        if (!link.commandHandle->ReadReport(report, kDataReadTimeoutMs)) return;
        const std::size_t offset = i * kDataBytesPerReport;
        if (offset >= staged.size() || report.size() < 2) continue;
        const std::size_t count = std::min({kDataBytesPerReport, staged.size() - offset, report.size() - 1});
        std::copy_n(report.begin() + 1, count, staged.begin() + offset);
    }
    std::copy(staged.begin(), staged.end(), block.begin());
}

void WriteCommandWithBlock(DeviceLink& link, Clock& clock, CommandFrame frame, ConstBlock block) {
    SendFrame(link, frame);
    WriteData(link, clock, block, ReportCount(frame.arguments[1]));
}

}  // namespace

void SendCommand(DeviceLink& link, CommandFrame& frame) {
    SendFrame(link, frame);
    if (IsReadCommand(frame)) ReceiveReply(link, frame);
}

void SendCommandWithData(DeviceLink& link, Clock& clock, CommandFrame& frame, Block block) {
    SendFrame(link, frame);
    if (!IsReadCommand(frame)) {
        WriteData(link, clock, block, ReportCount(frame.arguments[1]));
        return;
    }
    ReceiveReply(link, frame);
    ReadData(link, block, ReportCount(frame.arguments[1]));
}

void SendConnect(DeviceLink& link, std::uint8_t connectByte) {
    CommandFrame frame = MakeFrame(kConnectCommand, connectByte);
    SendCommand(link, frame);
}

std::uint8_t ReadCurrentProfile(DeviceLink& link) {
    CommandFrame frame = MakeFrame(kReadCurrentProfileCommand);
    SendCommand(link, frame);
    // A profile number the mouse cannot have would index past the six profile blocks.
    const std::uint8_t profile = frame.arguments[0];
    return profile < kProfileCount ? profile : 0;
}

void SelectProfile(DeviceLink& link, Clock& clock, std::uint8_t profile) {
    CommandFrame frame = MakeFrame(kSelectProfileCommand, profile);
    SendCommand(link, frame);
    clock.Sleep(kCommandPauseMs);
}

void SetReportRate(DeviceLink& link, Clock& clock, std::uint8_t profile, std::uint8_t rateCode) {
    CommandFrame frame = MakeFrame(kReportRateCommand, profile, rateCode);
    SendCommand(link, frame);
    clock.Sleep(kCommandPauseMs);
}

void WriteProfileBlock(DeviceLink& link, Clock& clock, ConstBlock profileBlock) {
    WriteCommandWithBlock(link, clock, MakeFrame(kProfileBlockCommand, 0, kBlockLength), profileBlock);
    clock.Sleep(kCommandPauseMs);
}

void ReadProfileBlock(DeviceLink& link, Clock& clock, Block profileBlock) {
    CommandFrame frame = MakeFrame(kReadProfileBlockCommand);
    SendCommandWithData(link, clock, frame, profileBlock);
    clock.Sleep(kCommandPauseMs);
}

void WriteButtonMap(DeviceLink& link, Clock& clock, std::uint8_t profile, ConstBlock buttonMap) {
    WriteCommandWithBlock(link, clock, MakeFrame(kButtonMapCommand, profile, kBlockLength), buttonMap);
    clock.Sleep(kButtonMapPauseMs);
}

void WriteMacroSlots(DeviceLink& link, Clock& clock, ConstMacroSlots slots) {
    for (std::size_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        CommandFrame frame = MakeFrame(kMacroSlotCommand, static_cast<std::uint8_t>(slot), kBlockLength);
        SendFrame(link, frame);
        WriteData(link, clock, slots.subspan((slot - 1) * kDeviceBlockSize, kDeviceBlockSize),
                  kMacroSlotReports);
        clock.Sleep(kReportPauseMs);
    }
}

}  // namespace ravix
