#include "core/macros/MacroRecorder.h"

#include "core/macros/MacroLine.h"

namespace ravix {

void MacroRecorder::Start() {
    m_eventCount = 0;
    m_state = RecordingState::Started;
    m_recording = true;
}

bool MacroRecorder::Stop() {
    m_eventCount = 0;
    if (!m_recording) return false;
    m_state = RecordingState::Stopped;
    m_recording = false;
    return true;
}

RecorderStep MacroRecorder::OnKeystroke(const RecordedKeystroke& keystroke, std::uint32_t tickMs,
                                        bool recordDelays) {
    RecorderStep step;
    if (!m_recording) return step;
    const std::wstring_view name = keystroke.keyName.substr(0, kMaxRecordedKeyNameChars);
    // A press of a key that is already down, or a release of one that was up, repeats the key
    // recorded last.
    const bool repeat = name == m_lastKeyName && keystroke.wasDown != keystroke.released;
    if (repeat) {
        step.outcome = RecorderOutcome::Ignored;
        return step;
    }
    if (++m_eventCount > kMaxRecordedEvents) {
        step.outcome = RecorderOutcome::LimitReached;
        return step;
    }
    if (m_state == RecordingState::Started) {
        m_state = RecordingState::Recording;
    } else {
        // The tick count wraps; the difference of the two is still the time between them.
        if (recordDelays) step.lines.push_back(DelayLine(static_cast<std::int32_t>(tickMs - m_lastTick)));
    }
    m_lastTick = tickMs;
    step.lines.push_back(keystroke.released ? ReleaseLine(name) : PressLine(name));
    m_lastKeyName = std::wstring(name);
    step.outcome = RecorderOutcome::Recorded;
    return step;
}

}  // namespace ravix
