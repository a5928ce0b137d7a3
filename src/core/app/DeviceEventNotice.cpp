#include "core/app/DeviceEventNotice.h"

#include "core/device/CommandProtocol.h"
#include "core/device/DeviceChange.h"
#include "core/device/EventReport.h"

namespace ravix {
namespace {

constexpr std::uint32_t kDpiStages = 6;

bool IsDpiStageChange(std::uint32_t code, std::uint32_t value) {
    return code >= kFirstDpiStageEvent && code <= kLastDpiStageEvent && value >= 1 && value <= kDpiStages;
}

// The DPI value of `stage` as the mouse's current profile holds it, read fresh from the mouse.
std::uint32_t ReadStageDpi(std::uint32_t stage, DeviceLink& link, Clock& clock,
                           std::span<std::uint8_t, kDeviceImageSize> deviceImage) {
    const std::uint8_t profile = ReadCurrentProfile(link);
    deviceImage[kHeaderCurrentProfile] = profile;
    const Block block = deviceImage.subspan(ProfileBlockOffset(profile)).first<kDeviceBlockSize>();
    ReadProfileBlock(link, clock, block);
    return block[kProfileBlockDpiLevels + stage - 1] * kDpiPerLevelUnit;
}

}  // namespace

std::optional<Notice> HandleDeviceEvent(const TextCatalogue& texts, std::uint32_t code, std::uint32_t value,
                                        DeviceLink& link, Clock& clock,
                                        std::span<std::uint8_t, kDeviceImageSize> deviceImage) {
    if (IsDpiStageChange(code, value)) {
        const std::uint32_t dpi = ReadStageDpi(value, link, clock, deviceImage);
        return Notice{texts.dpiStageNotices[value - 1] + std::to_wstring(dpi), L"Info", kEventNoticeMs};
    }
    if (code == kMacroKeyEvent && value != 0)
        return Notice{texts.macroKeyNotice + std::to_wstring(value), L"Info", kEventNoticeMs};
    if (code == kMouseDetectedEvent) return Notice{texts.detectedNotice, L"Info", kConnectionNoticeMs};
    if (code == kMouseNotDetectedEvent) return Notice{texts.notDetectedNotice, L"Warning", kConnectionNoticeMs};
    return std::nullopt;
}

}  // namespace ravix
