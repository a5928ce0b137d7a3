#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/keys/KeyCode.h"
#include "core/macros/MacroImage.h"
#include "core/macros/StoredMacro.h"

namespace ravix {

// The bytes of one event: its pair, and the extension that carries a long delay.
struct EncodedEvent {
    std::array<std::uint8_t, 6> bytes{};
    std::size_t length = 0;
};

// Delays up to 1270 ms go in the pair in units of 10 ms; up to 25500 ms the pair keeps the remainder
// of 100 and one extension byte the hundreds; beyond, the hundreds follow as a 16-bit big-endian value.
// Negative delays count as 0, so that they can never reach the release flag.
EncodedEvent EncodeMacroEvent(bool release, KeyCode code, std::int64_t delayMs);

struct SlotEncoding {
    MacroSlot slot{};
    std::size_t eventsKept = 0;
    std::size_t eventsInMacro = 0;

    bool cut() const { return eventsKept < eventsInMacro; }
};

// One macro into one slot. An event is written only when all its bytes fit; the first that does not,
// and every later one, are dropped, so nothing is ever written past the slot.
SlotEncoding EncodeMacroSlot(const StoredMacro& macro);

// A macro that did not fit into its slot, for the manager's warning.
struct MacroCut {
    std::size_t slotIndex = 0;  // 0 for the first slot
    std::wstring name;
    std::size_t eventsKept = 0;
    std::size_t eventsInMacro = 0;
};

struct MacroEncoding {
    MacroImage image{};
    std::vector<MacroCut> cuts;
};

// The macros of a library, in file order, into the twelve slots; macros after the twelfth are not
// encoded. An empty manager list gives an all-zero image.
MacroEncoding EncodeMacros(std::span<const StoredMacro> macros, std::size_t managerListCount);

}  // namespace ravix
