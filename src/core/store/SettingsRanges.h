#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/keys/KeyCode.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// Consumer-page usages (low byte) that a button's multimedia function can send, in list order.
inline constexpr std::array<std::uint8_t, 8> kMultimediaCodes = {0x83, 0xB5, 0xB6, 0xB7,
                                                                 0xCD, 0xE2, 0xE9, 0xEA};
// Keyboard usages of N, X, C, V, S, P, F, Y, Z, A: the keys a hot key sends with Left Ctrl, in list
// order.
inline constexpr std::array<KeyCode, 10> kHotKeys = {0x11, 0x1B, 0x06, 0x19, 0x16,
                                                     0x13, 0x09, 0x1C, 0x1D, 0x04};

// Brings every field of a profile read from a file into the range the pages produce, so that a
// foreign or damaged file never makes the mouse hold a value it was not meant to: a number outside
// its range becomes the nearest valid one, a report-rate code the nearest of 1, 2, 4 and 8, and a
// button whose function or parameter names nothing the pages offer gets its factory function.
// Reserved bytes, the macro slot images and the parameters a button's function does not use are
// left as they are. Gives the names of the fields corrected, in record order; none for any record
// the pages produced.
std::vector<std::wstring> BringIntoRange(ProfileSettings& settings);

}  // namespace ravix
