#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ravix {

// What the recorder has been through; kept between manager runs, the manager's Enter rule reads it.
enum class RecordingState { Started = 0, Recording = 1, Stopped = 2 };

// Key names longer than this are cut, as the system's key-name buffer would.
inline constexpr std::size_t kMaxRecordedKeyNameChars = 31;

// A recording holds at most this many key events.
inline constexpr std::uint32_t kMaxRecordedEvents = 64;

// One keystroke as the keyboard hook sees it.
struct RecordedKeystroke {
    std::wstring_view keyName;  // the system's name of the key
    bool released;              // the key went up
    bool wasDown;               // the key was already down before this keystroke
};

enum class RecorderOutcome {
    NotRecording,  // no recording in progress: nothing happened
    Ignored,       // an auto-repeat of the key recorded last
    Recorded,      // `lines` go to the end of the key list
    LimitReached,  // one event too many: the caller stops the recording, the event is not recorded
};

struct RecorderStep {
    RecorderOutcome outcome = RecorderOutcome::NotRecording;
    std::vector<std::wstring> lines;
};

// Turns the keystrokes of a recording into macro lines: one line per press or release, each but the
// first preceded by the time since the previous event when delays are recorded. Holding a key down
// repeats it; those repeats of the key recorded last are not recorded.
class MacroRecorder {
public:
    // Begins a recording once the keyboard hook is in place.
    void Start();

    // Ends the recording. True when one was in progress, and so the open macro is to be saved.
    bool Stop();

    RecorderStep OnKeystroke(const RecordedKeystroke& keystroke, std::uint32_t tickMs, bool recordDelays);

    bool recording() const { return m_recording; }
    RecordingState state() const { return m_state; }
    const std::wstring& lastKeyName() const { return m_lastKeyName; }

private:
    std::uint32_t m_eventCount = 0;
    RecordingState m_state = RecordingState::Started;
    bool m_recording = false;
    std::wstring m_lastKeyName;
    std::uint32_t m_lastTick = 0;
};

}  // namespace ravix
