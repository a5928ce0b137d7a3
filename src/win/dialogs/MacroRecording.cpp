// The macro manager's recorder: a keyboard hook on the program's own thread reports each keystroke
// to the manager, which turns it into lines of the open macro.
#include <string>

#include "win/app/Messages.h"
#include "win/dialogs/MacroProgramDialog.h"

namespace ravix::win {
namespace {

constexpr wchar_t kApplicationName[] = L"Velmar Ravix Driver";

// The recorder's message, by wParam.
enum RecorderMessage : WPARAM {
    kKeyPressed = 0,
    kKeyReleased = 1,
    kStopped = 5,
    kStopChord = 6,
    kSaveOpenMacro = 7
};

// What the hook hands to the manager with the message: the manager it reports to, and the key.
struct HookReport {
    HWND target = nullptr;
    std::wstring keyName;
    WPARAM virtualKey = 0;
};
HookReport g_report;

bool IsControlKey(WPARAM key) {
    return key == VK_CONTROL || key == VK_LCONTROL || key == VK_RCONTROL;
}

}  // namespace

// Runs on the user-interface thread while it takes a keyboard message; the keystroke goes on to its
// window afterwards.
LRESULT CALLBACK CMacroProgramDialog::KeyboardHook(int code, WPARAM key, LPARAM flags) {
    if (code != HC_ACTION || !g_report.target) return CallNextHookEx(nullptr, code, key, flags);
    wchar_t name[kMaxRecordedKeyNameChars + 1] = {};
    GetKeyNameTextW(static_cast<LONG>(flags), name, static_cast<int>(std::size(name)));
    g_report.keyName = name;
    g_report.virtualKey = key;
    const bool released = (flags & (1u << 31)) != 0;
    const bool wasDown = (flags & (1u << 30)) != 0;
    // The title promises that Ctrl+Break ends a recording.
    if (!released && key == VK_CANCEL && (GetKeyState(VK_CONTROL) & 0x8000)) {
        SendMessageW(g_report.target, WM_MACRO_RECORDER, kStopChord, 0);
        return 0;
    }
    SendMessageW(g_report.target, WM_MACRO_RECORDER, released ? kKeyReleased : kKeyPressed, wasDown ? 0 : 1);
    return 0;
}

void CMacroProgramDialog::RemoveHook() {
    m_hook.Reset();
    if (g_report.target == m_hWnd) g_report.target = nullptr;
}

void CMacroProgramDialog::StartRecording() {
    RemoveHook();
    ShowLines({}, std::nullopt);  // the file keeps the old lines until Stop saves the new ones
    m_linesBeforeControl.reset();
    SetFocus(m_keyList);
    EnableWindow(m_repeatField, FALSE);
    m_hook = UniqueHook(
        SetWindowsHookExW(WH_KEYBOARD, &CMacroProgramDialog::KeyboardHook, nullptr, GetCurrentThreadId()));
    if (!m_hook) {
        wchar_t text[64];
        swprintf(text, std::size(text), L"JournalRecordHook Install error code :%d\n",
                 static_cast<int>(GetLastError()));
        m_setup.notifier.ShowMessage(text, kApplicationName);
        EnableWindow(m_repeatField, m_setup.memory.useRepeatCount);
        return;
    }
    g_report.target = m_hWnd;
    SetWindowTextW(m_hWnd, m_captions.recordingTitle.c_str());
    m_setup.memory.recorder.Start();
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMacroProgramDialog::StopRecording() {
    if (!m_hook) {
        m_setup.memory.recorder.Stop();
        return;
    }
    RemoveHook();
    SendMessageW(m_hWnd, WM_MACRO_RECORDER, kStopped, 0);
    m_setup.memory.recorder.Stop();
    SetWindowTextW(m_hWnd, m_captions.title.c_str());
    InvalidateRect(m_hWnd, nullptr, FALSE);
    EnableWindow(m_repeatField, m_setup.memory.useRepeatCount);
    SaveOpenMacro();
}

LRESULT CMacroProgramDialog::OnRecorderMessage(WPARAM wParam, LPARAM lParam) {
    if (wParam == kSaveOpenMacro) {
        SaveOpenMacro();
        return 0;
    }
    if (wParam == kStopChord) {
        // The Ctrl that began the chord is no part of the macro: a press without its release would
        // leave the key held down on the mouse.
        if (m_linesBeforeControl)
            while (SendMessageW(m_keyList, LB_GETCOUNT, 0, 0) > *m_linesBeforeControl)
                SendMessageW(m_keyList, LB_DELETESTRING, SendMessageW(m_keyList, LB_GETCOUNT, 0, 0) - 1, 0);
        StopRecording();
        return 0;
    }
    if (wParam != kKeyPressed && wParam != kKeyReleased) return 0;
    const RecordedKeystroke keystroke{g_report.keyName, wParam == kKeyReleased, lParam == 0};
    const int before = static_cast<int>(SendMessageW(m_keyList, LB_GETCOUNT, 0, 0));
    const RecorderStep step =
        m_setup.memory.recorder.OnKeystroke(keystroke, GetTickCount(), m_setup.memory.recordDelays);
    switch (step.outcome) {
        case RecorderOutcome::LimitReached:
            StopRecording();  // a recording holds at most 64 key events; this one is not recorded
            return 0;
        case RecorderOutcome::Recorded:
            for (const std::wstring& line : step.lines)
                SendMessageW(m_keyList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            SendMessageW(m_keyList, LB_SETCURSEL, SendMessageW(m_keyList, LB_GETCOUNT, 0, 0) - 1, 0);
            m_linesBeforeControl = !keystroke.released && IsControlKey(g_report.virtualKey)
                                       ? std::optional<int>(before)
                                       : std::nullopt;
            return 0;
        default:
            return 0;
    }
}

}  // namespace ravix::win
