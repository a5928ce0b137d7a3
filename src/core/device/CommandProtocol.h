#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/device/CommandFrame.h"
#include "core/device/DeviceLink.h"
#include "core/device/DeviceMemoryLayout.h"
#include "core/platform/Clock.h"

namespace ravix {

// Talking to the mouse over its command interface. No transfer reports success: the mouse is
// paced by fixed pauses, which are taken whether a transfer worked or not, and callers check
// `connected` before they talk to it at all.

inline constexpr std::size_t kDataReportLength = 65;  // output reports: identifier + 64 bytes
inline constexpr std::size_t kDataBytesPerReport = 64;
inline constexpr std::uint32_t kReportPauseMs = 20;        // after every output report
inline constexpr std::uint32_t kDataReadTimeoutMs = 1000;  // a silent mouse must not freeze the window

using ConstBlock = std::span<const std::uint8_t, kDeviceBlockSize>;
using Block = std::span<std::uint8_t, kDeviceBlockSize>;
using ConstMacroSlots = std::span<const std::uint8_t, kMacroSlotCount * kDeviceBlockSize>;

// Sends `frame` with a fresh checksum (its own checksum byte is ignored). For a read command the
// reply replaces the whole frame; a reply that cannot be read leaves an all-zero frame.
void SendCommand(DeviceLink& link, CommandFrame& frame);

// As SendCommand, then the data phase. A write sends ceil(byte 2 / 64) output reports taken from
// `block` (zeros past its end), pausing 20 ms after each. A read takes ceil(reply byte 2 / 64)
// input reports and keeps their first 128 data bytes; if any of them fails or times out, `block`
// is left exactly as it was.
void SendCommandWithData(DeviceLink& link, Clock& clock, CommandFrame& frame, Block block);

// The named operations. Each takes the pause after it even when a transfer failed.
void SendConnect(DeviceLink& link, std::uint8_t connectByte);
// The mouse's current profile (0..5); 0 when the mouse does not answer or answers out of range.
std::uint8_t ReadCurrentProfile(DeviceLink& link);
void SelectProfile(DeviceLink& link, Clock& clock, std::uint8_t profile);
void SetReportRate(DeviceLink& link, Clock& clock, std::uint8_t profile, std::uint8_t rateCode);
// Writes the block of the profile that the last SelectProfile chose.
void WriteProfileBlock(DeviceLink& link, Clock& clock, ConstBlock profileBlock);
// Reads the block of the mouse's current profile into `profileBlock`.
void ReadProfileBlock(DeviceLink& link, Clock& clock, Block profileBlock);
void WriteButtonMap(DeviceLink& link, Clock& clock, std::uint8_t profile, ConstBlock buttonMap);
// Sends the twelve macro slots in order, slot 1 first.
void WriteMacroSlots(DeviceLink& link, Clock& clock, ConstMacroSlots slots);

// Command codes.
inline constexpr std::uint8_t kConnectCommand = 0x01;
inline constexpr std::uint8_t kSelectProfileCommand = 0x02;
inline constexpr std::uint8_t kReportRateCommand = 0x03;
inline constexpr std::uint8_t kProfileBlockCommand = 0x0C;
inline constexpr std::uint8_t kButtonMapCommand = 0x0D;
inline constexpr std::uint8_t kMacroSlotCommand = 0x0F;
inline constexpr std::uint8_t kReadCurrentProfileCommand = kSelectProfileCommand | kReadCommandBit;
inline constexpr std::uint8_t kReadProfileBlockCommand = kProfileBlockCommand | kReadCommandBit;

}  // namespace ravix
