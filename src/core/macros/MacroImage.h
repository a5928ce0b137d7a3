#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/device/DeviceMemoryLayout.h"

namespace ravix {

// One of the mouse's twelve macro slots: a big-endian repeat count, then event pairs from byte 2,
// zero after the last pair.
struct MacroSlot {
    std::array<std::uint8_t, 2> repeatCount;
    std::array<std::uint8_t, 126> events;

    bool operator==(const MacroSlot&) const = default;
};
static_assert(sizeof(MacroSlot) == 128);
static_assert(offsetof(MacroSlot, events) == 2);

// The twelve slots in order; slot k holds the k-th macro of the library.
struct MacroImage {
    std::array<MacroSlot, kMacroSlotCount> slots;

    bool operator==(const MacroImage&) const = default;
};
static_assert(sizeof(MacroImage) == 1536);

inline void SetRepeatCount(MacroSlot& slot, std::uint16_t count) {
    slot.repeatCount = {static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count & 0xFF)};
}

}  // namespace ravix
