#include "core/device/CommandFrame.h"

#include <cstring>

namespace ravix {

CommandFrame MakeFrame(std::uint8_t code, std::uint8_t argument1, std::uint8_t argument2) {
    CommandFrame frame;
    frame.code = code;
    frame.arguments[0] = argument1;
    frame.arguments[1] = argument2;
    frame.checksum = FrameChecksum(frame);
    return frame;
}

std::uint8_t FrameChecksum(const CommandFrame& frame) {
    unsigned sum = frame.code;
    for (std::uint8_t argument : frame.arguments) sum += argument;
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

bool HasValidChecksum(const CommandFrame& frame) {
    return frame.checksum == FrameChecksum(frame);
}

bool IsReadCommand(const CommandFrame& frame) {
    return (frame.code & kReadCommandBit) != 0;
}

std::array<std::uint8_t, 8> FrameBytes(const CommandFrame& frame) {
    std::array<std::uint8_t, 8> bytes;
    std::memcpy(bytes.data(), &frame, bytes.size());
    return bytes;
}

CommandFrame FrameFromBytes(std::span<const std::uint8_t, 8> bytes) {
    CommandFrame frame;
    std::memcpy(&frame, bytes.data(), sizeof frame);
    return frame;
}

}  // namespace ravix
