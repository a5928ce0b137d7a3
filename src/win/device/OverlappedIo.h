#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "win/platform/FailureTrace.h"

namespace ravix::win {

enum class IoDirection { Read, Write };

// A handle opened for overlapped I/O with the event its transfers signal, and optionally an event
// that, while set, ends every wait at once as a time-out would.
struct OverlappedFile {
    HANDLE file;
    HANDLE event;
    HANDLE cancelEvent = nullptr;
};

// One read or write on the file, waited for at most `timeoutMs`. A transfer still pending then is
// cancelled, and the cancellation is waited for, so that the buffer and the event are free again
// when this returns. Returns the bytes transferred, or nothing when the transfer failed, was
// cancelled or timed out; a failure the system reports (not a cancellation of ours) is noted in
// `failures`.
std::optional<DWORD> TransferOverlapped(const OverlappedFile& target, IoDirection direction, void* buffer,
                                        DWORD length, std::uint32_t timeoutMs, const FailureTrace& failures);

}  // namespace ravix::win
