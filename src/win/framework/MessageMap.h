#pragma once

#include <windows.h>

#include <span>

namespace ravix::win {

// One row of a class's message table. A row matches a message, or for WM_COMMAND a notification
// code and a range of control identifiers.
template <class T>
struct MessageEntry {
    using Handler = LRESULT (T::*)(WPARAM, LPARAM);
    UINT message;
    UINT code;  // WM_COMMAND only: the notification code, or kAnyCode
    UINT firstId;
    UINT lastId;
    Handler handler;
};

inline constexpr UINT kAnyCode = 0xFFFFFFFFu;
// Menu items and accelerators send WM_COMMAND with notification code 0 or 1.
inline constexpr UINT kMenuOrAccelerator = 0xFFFFFFFEu;

template <class T>
constexpr MessageEntry<T> OnMessageEntry(UINT message, typename MessageEntry<T>::Handler handler) {
    return {message, kAnyCode, 0, 0, handler};
}

template <class T>
constexpr MessageEntry<T> OnCommandEntry(UINT id, typename MessageEntry<T>::Handler handler) {
    return {WM_COMMAND, kMenuOrAccelerator, id, id, handler};
}

template <class T>
constexpr MessageEntry<T> OnControlEntry(UINT code, UINT firstId, UINT lastId,
                                         typename MessageEntry<T>::Handler handler) {
    return {WM_COMMAND, code, firstId, lastId, handler};
}

template <class T>
bool Matches(const MessageEntry<T>& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) return false;
    if (message != WM_COMMAND) return true;
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id < entry.firstId || id > entry.lastId) return false;
    if (entry.code == kAnyCode) return true;
    if (entry.code == kMenuOrAccelerator) return code <= 1;
    return entry.code == code;
}

// Runs the first row that matches; returns false when none does.
template <class T>
bool DispatchMessageTable(T& target, std::span<const MessageEntry<T>> table, UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT& result) {
    for (const auto& entry : table) {
        if (Matches(entry, message, wParam)) {
            result = (target.*entry.handler)(wParam, lParam);
            return true;
        }
    }
    return false;
}

}  // namespace ravix::win
