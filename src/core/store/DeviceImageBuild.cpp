#include "core/store/DeviceImageBuild.h"

#include <algorithm>

#include "core/device/DeviceMemoryLayout.h"

namespace ravix {
namespace {

// Profile block offsets the build writes.
constexpr std::size_t kFixed50 = 50;
constexpr std::size_t kAngleSnap = 51;
constexpr std::size_t kFixed64 = 64;
constexpr std::size_t kFixed70 = 70;
constexpr std::size_t kLightingEffect = 71;
constexpr std::size_t kLightingParameter = 72;
constexpr std::size_t kLightingMode = 73;
constexpr std::size_t kXSensitivity = 74;
constexpr std::size_t kYSensitivity = 75;
constexpr std::size_t kDpiLevelsCopy = 92;
constexpr std::size_t kFixed100 = 100;
constexpr std::size_t kColours = 104;
constexpr std::size_t kEditedStages = 4;

enum Lighting : std::uint8_t { kStandard = 1, kBreathing = 2, kSpectrumCycle = 3 };

std::uint8_t AngleSnapCode(std::uint8_t position) {
    // A damaged file may hold any byte; the nearest valid position is used rather than reading
    // past the table.
    const std::size_t index = std::clamp<std::size_t>(position, 1, AngleSnapCodes.size()) - 1;
    return AngleSnapCodes[index];
}

void ApplyLighting(const ProfileSettings& settings, DeviceImage::Block& block) {
    const std::uint8_t effect = settings.lightingEffect;
    block[kLightingEffect] = effect;
    switch (effect) {
        case kStandard:
            if (settings.standardBrightness == 1) {
                block[kLightingEffect] = 0;  // "0%" brightness: lighting off
            } else {
                block[kLightingParameter] = static_cast<std::uint8_t>(settings.standardBrightness * 2);
                block[kLightingMode] = 3;
            }
            break;
        case kBreathing:
            block[kLightingParameter] = static_cast<std::uint8_t>(6 - settings.breathingPeriod);
            block[kLightingMode] = 3;
            break;
        case kSpectrumCycle:
            block[kLightingParameter] = static_cast<std::uint8_t>(settings.spectrumPeriod * 3);
            break;
        default:
            break;
    }
}

ButtonEntry WindowsFunctionEntry(std::uint8_t choice) {
    switch (choice) {
        case 0:
            return {0x03, 0x00, 0x94, 0x01};  // My computer
        case 1:
            return {0x03, 0x00, 0x23, 0x02};  // Browser home
        case 2:
            return {0x03, 0x00, 0x21, 0x02};  // Search
        case 3:
            return {0x00, 0x04, 0x2C, 0x1B};  // Maximise: Left Alt, Space, X
        case 4:
            return {0x00, 0x04, 0x2C, 0x11};  // Minimise: Left Alt, Space, N
        case 5:
            return {0x00, 0x00, 0xE3, 0x07};  // Show desktop: Left Win, D
        case 6:
            return {0x00, 0x00, 0xE3, 0x15};  // Run: Left Win, R
        default:
            return {};
    }
}

ButtonEntry WheelEntry(std::uint8_t choice) {
    switch (choice) {
        case 1:
            return {0x01, 0x00, 0xF2, 0x00};
        case 2:
            return {0x01, 0x00, 0xF7, 0x00};
        case 3:
            return {0x01, 0x00, 0xF8, 0x00};
        default:
            return {};
    }
}

ButtonEntry MultimediaEntry(std::uint8_t code) {
    // The stored byte is the low byte of a consumer usage; 0x83 stands for usage 0x0183.
    const std::uint16_t usage = code == 0x83 ? 0x0183 : code;
    return {0x03, 0x00, static_cast<std::uint8_t>(usage & 0xFF), static_cast<std::uint8_t>(usage >> 8)};
}

}  // namespace

bool BuildProfileBlock(const ProfileSettings& settings, DeviceImage& image) {
    if (settings.profile >= DeviceImage::kProfiles) return false;
    DeviceImage::Block& block = image.profileBlocks[settings.profile];
    block = ProfileBlockTemplate;
    block[kFixed50] = 0x42;
    block[kAngleSnap] = AngleSnapCode(settings.angleSnap);
    block[kFixed64] = 0x0F;
    block[kXSensitivity] = static_cast<std::uint8_t>(settings.xSensitivity * 20);
    block[kYSensitivity] = static_cast<std::uint8_t>(settings.ySensitivity * 20);
    ApplyLighting(settings, block);
    for (std::size_t stage = 0; stage < kEditedStages; ++stage) {
        block[kProfileBlockDpiLevels + stage] = settings.dpiLevel[stage];
        block[kDpiLevelsCopy + stage] = settings.dpiLevel[stage];
    }
    block[kFixed100] = 0x0F;
    std::fill(block.begin() + kColours, block.end(), 0);
    for (std::size_t stage = 0; stage < kEditedStages; ++stage) {
        std::copy(settings.dpiColour[stage].begin(), settings.dpiColour[stage].end(),
                  block.begin() + kColours + stage * 3);
    }
    block[kFixed70] = 4;
    return true;
}

ButtonEntry EncodeButtonEntry(const ProfileSettings& settings, std::size_t button) {
    if (button >= ProfileSettings::kButtons) return {};
    switch (settings.actionType[button]) {
        case 0:
            return {0x01, 0x00, 0xF0, 0x00};  // left button
        case 1:
            return {0x01, 0x00, 0xF1, 0x00};  // right button
        case 2:
            return WheelEntry(settings.wheelChoice[button]);
        case 3:
            return {0x01, 0x00, 0xF4, 0x00};  // forward
        case 4:
            return {0x01, 0x00, 0xF3, 0x00};  // back
        case 5:
            return {0x0A, 0xF0, 0x1E, 0x02};  // double click
        case 6:
            return {0x07, 0x00, settings.dpiChoice[button], 0x00};
        case 7:
            return MultimediaEntry(settings.multimediaCode[button]);
        case 8:
            return {0x00, 0x00, 0xE0, settings.hotKey[button]};  // Left Ctrl + key
        case 9:
            return WindowsFunctionEntry(settings.windowsChoice[button]);
        case 10:
            return {0x00, 0x00, settings.singleKey[button], 0x00};
        case 11:
            return {0x00, settings.comboModifiers[button], settings.comboFirstKey[button],
                    settings.comboSecondKey[button]};
        case 12:
            return {0x09, settings.macroLoopMode[button],
                    static_cast<std::uint8_t>(settings.macroNumber[button] + 1), 0x00};
        default:
            return {};  // 13 "Button Off" and anything unknown
    }
}

void BuildButtonMap(const ProfileSettings& settings, DeviceImage& image) {
    image.buttonMap.fill(0);
    for (std::size_t button = 0; button < ProfileSettings::kButtons; ++button) {
        const ButtonEntry entry = EncodeButtonEntry(settings, button);
        std::copy(entry.begin(), entry.end(),
                  image.buttonMap.begin() + kButtonMapSlots[button] * entry.size());
    }
}

void CopyMacroSlots(const ProfileSettings& settings, DeviceImage& image) {
    static_assert(ProfileSettings::kMacroSlots == DeviceImage::kMacroSlots);
    static_assert(ProfileSettings::kMacroSlotBytes == DeviceImage::kBlockBytes);
    for (std::size_t slot = 0; slot < DeviceImage::kMacroSlots; ++slot)
        image.macroSlots[slot] = settings.macroSlots[slot];
}

bool BuildImageForWrite(const ProfileSettings& settings, DeviceImage& image) {
    if (settings.profile >= DeviceImage::kProfiles) return false;
    image.header.currentProfile = settings.profile;
    image.header.reportRate = settings.reportRate;
    BuildProfileBlock(settings, image);
    BuildButtonMap(settings, image);
    CopyMacroSlots(settings, image);
    return true;
}

}  // namespace ravix
