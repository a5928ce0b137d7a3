#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/device/DeviceMemoryLayout.h"

namespace ravix {

// The byte-exact image of what the mouse stores. It is never edited by the pages: each write to
// the mouse rebuilds the pieces it sends from ProfileSettings right before sending them.
struct DeviceImage {
    static constexpr std::size_t kProfiles = kProfileCount;
    static constexpr std::size_t kBlockBytes = kDeviceBlockSize;
    static constexpr std::size_t kMacroSlots = kMacroSlotCount;

    using Block = std::array<std::uint8_t, kBlockBytes>;

    struct Header {
        std::uint8_t currentProfile;  // 0..5
        std::uint8_t connectByte;     // sent with the connect command
        std::uint8_t reportRate;      // the report-rate code of ProfileSettings
        std::array<std::uint8_t, 14> unused;

        bool operator==(const Header&) const = default;
    };

    Header header;
    std::array<Block, kProfiles> profileBlocks;
    Block buttonMap;
    std::array<Block, kMacroSlots> macroSlots;  // slot m at index m - 1

    bool operator==(const DeviceImage&) const = default;
};

static_assert(sizeof(DeviceImage::Header) == 17);
static_assert(sizeof(DeviceImage) == 2449);
static_assert(offsetof(DeviceImage, profileBlocks) == 17);
static_assert(offsetof(DeviceImage, buttonMap) == 785);
static_assert(offsetof(DeviceImage, macroSlots) == 913);
// The protocol addresses the same bytes through the device layer's layout.
static_assert(sizeof(DeviceImage) == kDeviceImageSize);
static_assert(sizeof(DeviceImage::Header) == kDeviceHeaderSize);
static_assert(offsetof(DeviceImage::Header, currentProfile) == kHeaderCurrentProfile);
static_assert(offsetof(DeviceImage::Header, connectByte) == kHeaderConnectByte);
static_assert(offsetof(DeviceImage::Header, reportRate) == kHeaderReportRate);
static_assert(offsetof(DeviceImage, profileBlocks) == ProfileBlockOffset(0));
static_assert(offsetof(DeviceImage, profileBlocks) + DeviceImage::kBlockBytes == ProfileBlockOffset(1));
static_assert(offsetof(DeviceImage, buttonMap) == kButtonMapOffset);
static_assert(offsetof(DeviceImage, macroSlots) == MacroSlotOffset(1));
static_assert(offsetof(DeviceImage, macroSlots) + DeviceImage::kBlockBytes == MacroSlotOffset(2));

inline std::span<std::uint8_t, sizeof(DeviceImage)> BytesOf(DeviceImage& image) {
    return std::span<std::uint8_t, sizeof(DeviceImage)>(reinterpret_cast<std::uint8_t*>(&image),
                                                        sizeof(DeviceImage));
}

inline std::span<const std::uint8_t, sizeof(DeviceImage)> BytesOf(const DeviceImage& image) {
    return std::span<const std::uint8_t, sizeof(DeviceImage)>(reinterpret_cast<const std::uint8_t*>(&image),
                                                              sizeof(DeviceImage));
}

}  // namespace ravix
