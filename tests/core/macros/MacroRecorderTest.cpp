#include <gtest/gtest.h>

#include "core/macros/MacroRecorder.h"

namespace ravix {
namespace {

class Recording : public ::testing::Test {
protected:
    void SetUp() override { recorder.Start(); }

    // Feeds one keystroke at `tick` and returns what it added to the key list.
    RecorderStep Key(std::wstring_view name, bool released, bool wasDown, std::uint32_t tick) {
        RecorderStep step = recorder.OnKeystroke({name, released, wasDown}, tick, recordDelays);
        lines.insert(lines.end(), step.lines.begin(), step.lines.end());
        return step;
    }
    void Press(std::wstring_view name, std::uint32_t tick) { Key(name, false, false, tick); }
    void Release(std::wstring_view name, std::uint32_t tick) { Key(name, true, true, tick); }

    MacroRecorder recorder;
    bool recordDelays = true;
    std::vector<std::wstring> lines;
};

TEST_F(Recording, HeldKeyIsRecordedOnceWithTheTimeItWasHeld) {
    Press(L"A", 1000);
    for (std::uint32_t tick = 1500; tick < 2000; tick += 33)
        EXPECT_EQ(Key(L"A", false, true, tick).outcome, RecorderOutcome::Ignored);
    Release(L"A", 2000);
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"A   Dn", L"1000 ms", L"A   Up"}));
    EXPECT_EQ(recorder.state(), RecordingState::Recording);
}

TEST_F(Recording, OverlappingKeysKeepTheirOrder) {
    recordDelays = false;
    Press(L"A", 10);
    Press(L"B", 20);
    Release(L"B", 30);
    Release(L"A", 40);
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"A   Dn", L"B   Dn", L"B   Up", L"A   Up"}));
}

TEST_F(Recording, FirstEventMayBeAReleaseAndHasNoDelayBeforeIt) {
    Release(L"Ctrl", 500);
    Press(L"Ctrl", 520);
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"Ctrl   Up", L"20 ms", L"Ctrl   Dn"}));
}

TEST_F(Recording, DelayIsMeasuredAcrossTheTickCountWrapping) {
    Press(L"A", 0xFFFFFF00u);
    Release(L"A", 0x00000010u);
    EXPECT_EQ(lines[1], L"272 ms");
}

TEST_F(Recording, ARepeatOnlyMatchesTheKeyRecordedLast) {
    recordDelays = false;
    Press(L"A", 0);
    Press(L"B", 0);
    // "A" still auto-repeats while "B" is down; it is not the key recorded last, so it counts.
    EXPECT_EQ(Key(L"A", false, true, 0).outcome, RecorderOutcome::Recorded);
    EXPECT_EQ(lines.back(), L"A   Dn");
}

TEST_F(Recording, SixtyFourEventsAreRecordedAndTheNextAsksToStop) {
    recordDelays = false;
    for (int i = 0; i < 64; ++i) i % 2 == 0 ? Press(L"A", i) : Release(L"A", i);
    EXPECT_EQ(lines.size(), 64u);
    const RecorderStep step = Key(L"B", false, false, 100);
    EXPECT_EQ(step.outcome, RecorderOutcome::LimitReached);
    EXPECT_TRUE(step.lines.empty());
    EXPECT_TRUE(recorder.Stop());
    EXPECT_EQ(recorder.state(), RecordingState::Stopped);
    EXPECT_FALSE(recorder.recording());
}

TEST_F(Recording, LongKeyNamesAreCutToThirtyOneCharacters) {
    Press(std::wstring(40, L'x'), 0);
    EXPECT_EQ(lines[0], std::wstring(31, L'x') + L"   Dn");
    // The cut name is what a repeat is compared with.
    EXPECT_EQ(Key(std::wstring(35, L'x'), false, true, 5).outcome, RecorderOutcome::Ignored);
}

TEST_F(Recording, StopOnlySavesWhenARecordingWasInProgress) {
    EXPECT_TRUE(recorder.Stop());
    EXPECT_FALSE(recorder.Stop());
    EXPECT_EQ(Key(L"A", false, false, 0).outcome, RecorderOutcome::NotRecording);
    EXPECT_TRUE(lines.empty());
}

TEST_F(Recording, ANewRecordingStartsCountingAndTimingAfresh) {
    Press(L"A", 100);
    recorder.Stop();
    recorder.Start();
    EXPECT_EQ(recorder.state(), RecordingState::Started);
    lines.clear();
    Release(L"A", 9000);
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"A   Up"}));
}

}  // namespace
}  // namespace ravix
