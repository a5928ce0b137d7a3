#include "win/device/OverlappedIo.h"

namespace ravix::win {

std::optional<DWORD> TransferOverlapped(const OverlappedFile& target, IoDirection direction, void* buffer,
                                        DWORD length, std::uint32_t timeoutMs, const FailureTrace& failures) {
    const bool reading = direction == IoDirection::Read;
    OVERLAPPED overlapped{};
    overlapped.hEvent = target.event;
    ResetEvent(target.event);
    const BOOL started = reading ? ReadFile(target.file, buffer, length, nullptr, &overlapped)
                                 : WriteFile(target.file, buffer, length, nullptr, &overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING) {
        failures.Failed(reading ? "ReadFile" : "WriteFile");
        return std::nullopt;
    }
    const HANDLE waitFor[] = {target.event, target.cancelEvent};
    if (WaitForMultipleObjects(target.cancelEvent ? 2 : 1, waitFor, FALSE, timeoutMs) != WAIT_OBJECT_0) {
        // CancelIo cancels what this thread started; the transfer may still complete meanwhile,
        // in which case its bytes count.
        CancelIo(target.file);
    }
    DWORD transferred = 0;
    if (!GetOverlappedResult(target.file, &overlapped, &transferred, TRUE)) {
        const DWORD error = GetLastError();
        if (error != ERROR_OPERATION_ABORTED) failures.Failed("GetOverlappedResult", error);
        return std::nullopt;
    }
    return transferred;
}

}  // namespace ravix::win
