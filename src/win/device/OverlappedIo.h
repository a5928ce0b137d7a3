#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace ravix::win {

// One read or write on a handle opened for overlapped I/O, waited for at most `timeoutMs`. A
// transfer still pending then is cancelled, and the cancellation is waited for, so that the buffer
// and `event` are free again when this returns. Returns the bytes transferred, or nothing when the
// transfer failed, was cancelled or timed out.
enum class IoDirection { Read, Write };

// A `cancelEvent`, when given, ends the wait early as the time-out would.
std::optional<DWORD> TransferOverlapped(HANDLE file, HANDLE event, IoDirection direction, void* buffer,
                                        DWORD length, std::uint32_t timeoutMs, HANDLE cancelEvent = nullptr);

}  // namespace ravix::win
