#include "core/macros/MacroRecorder.h"

#include "core/macros/MacroLine.h"

namespace ravix {

void MacroRecorder::Start() {
    eventCount_ = 0;
    state_ = RecordingState::Started;
    recording_ = true;
}

bool MacroRecorder::Stop() {
    eventCount_ = 0;
    if (!recording_) return false;
    state_ = RecordingState::Stopped;
    recording_ = false;
    return true;
}

RecorderStep MacroRecorder::OnKeystroke(const RecordedKeystroke& keystroke, std::uint32_t tickMs,
                                        bool recordDelays) {
    RecorderStep step;
    if (!recording_) return step;
    const std::wstring_view name = keystroke.keyName.substr(0, kMaxRecordedKeyNameChars);
    // A press of a key that is already down, or a release of one that was up, repeats the key
    // recorded last.
    const bool repeat = name == lastKeyName_ && keystroke.wasDown != keystroke.released;
    if (repeat) {
        step.outcome = RecorderOutcome::Ignored;
        return step;
    }
    if (++eventCount_ > kMaxRecordedEvents) {
        step.outcome = RecorderOutcome::LimitReached;
        return step;
    }
    if (state_ == RecordingState::Started) {
        state_ = RecordingState::Recording;
    } else {
        // The tick count wraps; the difference of the two is still the time between them.
        if (recordDelays) step.lines.push_back(DelayLine(static_cast<std::int32_t>(tickMs - lastTick_)));
    }
    lastTick_ = tickMs;
    step.lines.push_back(keystroke.released ? ReleaseLine(name) : PressLine(name));
    lastKeyName_ = std::wstring(name);
    step.outcome = RecorderOutcome::Recorded;
    return step;
}

}  // namespace ravix
