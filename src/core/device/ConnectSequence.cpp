#include "core/device/ConnectSequence.h"

#include <algorithm>

#include "core/device/CommandProtocol.h"

namespace ravix {

void ConnectSequence(DeviceLink& link, std::span<std::uint8_t, kDeviceImageSize> deviceImage,
                     std::uint8_t& settingsProfile) {
    std::fill(deviceImage.begin(), deviceImage.end(), 0);
    deviceImage[kHeaderCurrentProfile] = ReadCurrentProfile(link);
    settingsProfile = deviceImage[kHeaderCurrentProfile];
    deviceImage[kHeaderConnectByte] = kConnectByteValue;
    SendConnect(link, deviceImage[kHeaderConnectByte]);
}

}  // namespace ravix
