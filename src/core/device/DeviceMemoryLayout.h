#pragma once

#include <cstddef>
#include <cstdint>

namespace ravix {

// Where things live in the mouse's stored configuration, and in the host's image of it: a header,
// six profile blocks, one button map and twelve macro slots.
inline constexpr std::size_t kDeviceImageSize = 2449;
inline constexpr std::size_t kDeviceHeaderSize = 17;
inline constexpr std::size_t kDeviceBlockSize = 128;
inline constexpr std::size_t kProfileCount = 6;
inline constexpr std::size_t kMacroSlotCount = 12;

// Header bytes.
inline constexpr std::size_t kHeaderCurrentProfile = 0;
inline constexpr std::size_t kHeaderConnectByte = 1;
inline constexpr std::size_t kHeaderReportRate = 2;

// Where a profile block keeps the DPI levels of stages 1 to 6, in units of 50 DPI.
inline constexpr std::size_t kProfileBlockDpiLevels = 84;

// The value sent with the connect command on every connection.
inline constexpr std::uint8_t kConnectByteValue = 0xFC;

constexpr std::size_t ProfileBlockOffset(std::size_t profile) {
    return kDeviceHeaderSize + profile * kDeviceBlockSize;
}
inline constexpr std::size_t kButtonMapOffset = ProfileBlockOffset(kProfileCount);
// Macro slots are numbered from 1.
constexpr std::size_t MacroSlotOffset(std::size_t slot) {
    return kButtonMapOffset + kDeviceBlockSize + (slot - 1) * kDeviceBlockSize;
}

static_assert(ProfileBlockOffset(0) == 17);
static_assert(kButtonMapOffset == 785);
static_assert(MacroSlotOffset(1) == 913);
static_assert(MacroSlotOffset(kMacroSlotCount) + kDeviceBlockSize == kDeviceImageSize);

}  // namespace ravix
