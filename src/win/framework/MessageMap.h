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

// A part of a window that answers some of its messages: a page of it, or a duty it holds. The
// window offers it what its own table leaves, as ATL chains a member's message map.
class MessageHandler {
public:
    virtual ~MessageHandler() = default;
    // Returns true when handled, with the result in `result`.
    virtual bool OnWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
};

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

// The window's own table first, then each member in turn until one handles the message.
template <class T>
bool DispatchMessageTable(T& target, std::span<const MessageEntry<T>> table,
                          std::span<MessageHandler* const> members, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT& result) {
    if (DispatchMessageTable<T>(target, table, message, wParam, lParam, result)) return true;
    for (MessageHandler* member : members)
        if (member->OnWindowMessage(window, message, wParam, lParam, result)) return true;
    return false;
}

}  // namespace ravix::win
