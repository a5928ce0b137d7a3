#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace ravix {

// The eight-byte command the mouse understands, carried in a feature report after the report
// identifier. A read command (bit 7 of the code set) is answered by a frame of the same shape.
struct CommandFrame {
    std::uint8_t code = 0;
    std::array<std::uint8_t, 6> arguments{};
    std::uint8_t checksum = 0;
};
static_assert(sizeof(CommandFrame) == 8);
static_assert(offsetof(CommandFrame, arguments) == 1);
static_assert(offsetof(CommandFrame, checksum) == 7);

inline constexpr std::uint8_t kReadCommandBit = 0x80;

// A frame with its arguments (the rest zero) and a valid checksum.
CommandFrame MakeFrame(std::uint8_t code, std::uint8_t argument1 = 0, std::uint8_t argument2 = 0);

// 0xFF minus the sum of the code and the six arguments: all eight bytes then sum to 0xFF.
std::uint8_t FrameChecksum(const CommandFrame& frame);

bool HasValidChecksum(const CommandFrame& frame);
bool IsReadCommand(const CommandFrame& frame);

std::array<std::uint8_t, 8> FrameBytes(const CommandFrame& frame);
CommandFrame FrameFromBytes(std::span<const std::uint8_t, 8> bytes);

}  // namespace ravix
