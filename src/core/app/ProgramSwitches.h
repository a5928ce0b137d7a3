#pragma once

#include <optional>
#include <span>
#include <string>

namespace ravix {

// The program's own command-line switches, for development and tests. The shipped program is
// started without any and then talks only to the real HID bus.
struct ProgramSwitches {
    bool simulate = false;                  // --simulate: the simulated mouse instead of the HID bus
    std::optional<std::wstring> traceFile;  // --trace=FILE: append the transfer log to FILE
    std::optional<std::wstring> noticeFile; // --notices=FILE: append every notice shown to FILE
};

// Reads the switches among `arguments` (without the program's own path). Anything else, and a
// --trace= without a file name, is ignored: the program starts whatever it was given.
ProgramSwitches ParseProgramSwitches(std::span<const std::wstring> arguments);

}  // namespace ravix
