#include "win/device/OverlappedIo.h"

namespace ravix::win {

std::optional<DWORD> TransferOverlapped(HANDLE file, HANDLE event, IoDirection direction, void* buffer,
                                        DWORD length, std::uint32_t timeoutMs, HANDLE cancelEvent) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = event;
    ResetEvent(event);
    const BOOL started = direction == IoDirection::Read
                             ? ReadFile(file, buffer, length, nullptr, &overlapped)
                             : WriteFile(file, buffer, length, nullptr, &overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING) return std::nullopt;
    const HANDLE waitFor[] = {event, cancelEvent};
    if (WaitForMultipleObjects(cancelEvent ? 2 : 1, waitFor, FALSE, timeoutMs) != WAIT_OBJECT_0) {
        // CancelIo cancels what this thread started; the transfer may still complete meanwhile,
        // in which case its bytes count.
        CancelIo(file);
    }
    DWORD transferred = 0;
    if (!GetOverlappedResult(file, &overlapped, &transferred, TRUE)) return std::nullopt;
    return transferred;
}

}  // namespace ravix::win
