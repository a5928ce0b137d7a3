#include <gtest/gtest.h>

#include <vector>

#include "core/macros/MacroEncoder.h"

namespace ravix {
namespace {

using Bytes = std::vector<std::uint8_t>;

StoredMacro Macro(std::vector<std::wstring> items, int delays = 1, int loop = 0,
                  std::wstring loopTimes = L"1") {
    return {L"Macro-0", delays, loop, std::move(loopTimes), std::move(items)};
}

// The slot's bytes up to the last non-zero one.
Bytes Trimmed(const MacroSlot& slot) {
    Bytes bytes(slot.repeatCount.begin(), slot.repeatCount.end());
    bytes.insert(bytes.end(), slot.events.begin(), slot.events.end());
    while (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
    return bytes;
}

Bytes Events(const EncodedEvent& event) {
    return Bytes(event.bytes.begin(), event.bytes.begin() + event.length);
}

TEST(EncodeMacroSlot, SevenLineMacroWithRecordedDelays) {
    const auto macro =
        Macro({L"A   Dn", L"120 ms", L"A   Up", L"2050 ms", L"L-Button   Dn", L"30000 ms", L"L-Button   Up"},
              1, 1, L"3");
    const SlotEncoding encoded = EncodeMacroSlot(macro);
    EXPECT_EQ(Trimmed(encoded.slot), (Bytes{0x00, 0x03, 0x0C, 0x04, 0xB2, 0x04, 0x14, 0x03, 0x00, 0xF0, 0x00,
                                            0x03, 0x01, 0x2C, 0x80, 0xF0}));
    EXPECT_FALSE(encoded.cut());
    EXPECT_EQ(encoded.eventsKept, 4u);
}

TEST(EncodeMacroSlot, WithoutRecordedDelaysEveryEventWaitsFiftyMilliseconds) {
    const auto macro = Macro({L"A   Dn", L"A   Up", L"L-Button   Dn", L"L-Button   Up"}, 0, 0, L"3");
    EXPECT_EQ(Trimmed(EncodeMacroSlot(macro).slot),
              (Bytes{0x00, 0x01, 0x05, 0x04, 0x85, 0x04, 0x05, 0xF0, 0x85, 0xF0}));
}

TEST(EncodeMacroSlot, WithoutRecordedDelaysADelayLineStillCounts) {
    const auto macro = Macro({L"A   Dn", L"300 ms", L"A   Up", L"oops"}, 0);
    EXPECT_EQ(Trimmed(EncodeMacroSlot(macro).slot), (Bytes{0x00, 0x01, 0x1E, 0x04, 0x85, 0x04}));
}

TEST(EncodeMacroSlot, WithRecordedDelaysTheNextLineIsTheDelayWhateverItIs) {
    // After an event line its leading number counts; after the last line the delay is 0.
    const auto macro = Macro({L"A   Dn", L"150 x   Dn", L"B   Up"}, 1);
    EXPECT_EQ(Trimmed(EncodeMacroSlot(macro).slot), (Bytes{0x00, 0x01, 0x0F, 0x04, 0x00, 0x00, 0x80, 0x05}));
}

TEST(EncodeMacroSlot, FirstLineBeingADelayStillStartsAtByteTwo) {
    const auto macro = Macro({L"100 ms", L"Q   Dn", L"40 ms", L"Q   Up"}, 1);
    EXPECT_EQ(Trimmed(EncodeMacroSlot(macro).slot), (Bytes{0x00, 0x01, 0x04, 0x14, 0x80, 0x14}));
}

TEST(EncodeMacroSlot, NoLinesGiveAnAllZeroSlotWhateverTheRepeatCount) {
    const SlotEncoding encoded = EncodeMacroSlot(Macro({}, 1, 1, L"9"));
    EXPECT_EQ(Trimmed(encoded.slot), Bytes{});
}

TEST(EncodeMacroSlot, RepeatCountIsUsedOnlyWhenSwitchedOnAndInRange) {
    struct Case {
        int loop;
        std::wstring_view loopTimes;
        Bytes count;
    } cases[] = {
        {1, L"3", {0x00, 0x03}},     {1, L"65535", {0xFF, 0xFF}}, {1, L"300", {0x01, 0x2C}},
        {2, L"7", {0x00, 0x07}},     {0, L"3", {0x00, 0x01}},     {1, L"0", {0x00, 0x01}},
        {1, L"70000", {0x00, 0x01}}, {1, L"", {0x00, 0x01}},      {1, L"-4", {0x00, 0x01}},
    };
    for (const auto& c : cases) {
        const SlotEncoding encoded =
            EncodeMacroSlot(Macro({L"A   Dn"}, 1, c.loop, std::wstring(c.loopTimes)));
        EXPECT_EQ(Bytes(encoded.slot.repeatCount.begin(), encoded.slot.repeatCount.end()), c.count)
            << std::wstring(c.loopTimes);
    }
}

TEST(EncodeMacroEvent, DelayFormsAndTheirBoundaries) {
    struct Case {
        bool release;
        std::int64_t delay;
        Bytes bytes;
    } cases[] = {
        {false, 0, {0x00, 0x2C}},
        {false, 19, {0x01, 0x2C}},
        {false, 1270, {0x7F, 0x2C}},
        {false, 1271, {71, 0x2C, 12, 0x03}},
        {true, 1299, {0x80 | 99, 0x2C, 12, 0x03}},
        {false, 25500, {0, 0x2C, 255, 0x03}},
        {false, 25501, {1, 0x2C, 0x00, 0x03, 0x00, 0xFF}},
        {true, 6553599, {0x80 | 99, 0x2C, 0x00, 0x03, 0xFF, 0xFF}},
        // Beyond the editor's maximum only the low 16 bits of the hundreds remain.
        {false, 6553600, {0, 0x2C, 0x00, 0x03, 0x00, 0x00}},
        // A negative delay never spills into the release flag.
        {false, -1270, {0x00, 0x2C}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Events(EncodeMacroEvent(c.release, 0x2C, c.delay)), c.bytes) << c.delay;
}

TEST(EncodeMacroSlot, UnknownKeyNamesAndOtherLines) {
    const auto macro = Macro({L"Break   Dn", L"note", L"a   Up"}, 0);
    EXPECT_EQ(Trimmed(EncodeMacroSlot(macro).slot), (Bytes{0x00, 0x01, 0x05, 0x00, 0x85}));
}

std::vector<std::wstring> ShortEvents(std::size_t count) {
    std::vector<std::wstring> items;
    for (std::size_t i = 0; i < count; ++i) items.push_back(i % 2 == 0 ? L"A   Dn" : L"A   Up");
    return items;
}

TEST(EncodeMacroSlot, SixtyThreeShortEventsFillTheSlotExactly) {
    const SlotEncoding encoded = EncodeMacroSlot(Macro(ShortEvents(63), 0));
    EXPECT_FALSE(encoded.cut());
    EXPECT_EQ(encoded.slot.events[124], 0x05);
    EXPECT_EQ(encoded.slot.events[125], 0x04);
}

TEST(EncodeMacroSlot, AFullRecordingLosesItsLastEvent) {
    const SlotEncoding encoded = EncodeMacroSlot(Macro(ShortEvents(64), 0));
    EXPECT_TRUE(encoded.cut());
    EXPECT_EQ(encoded.eventsKept, 63u);
    EXPECT_EQ(encoded.eventsInMacro, 64u);
}

TEST(EncodeMacroSlot, TheFirstEventThatDoesNotFitEndsTheMacro) {
    // 31 events with a middle-form delay use 124 bytes; a long-form event does not fit in the
    // remaining 2, and the short event after it is dropped too, so the slot never plays out of order.
    std::vector<std::wstring> items;
    for (int i = 0; i < 31; ++i) items.insert(items.end(), {L"A   Dn", L"2000 ms"});
    items.insert(items.end(), {L"B   Dn", L"30000 ms", L"C   Dn"});
    const SlotEncoding encoded = EncodeMacroSlot(Macro(items, 1));
    EXPECT_EQ(encoded.eventsKept, 31u);
    EXPECT_EQ(encoded.eventsInMacro, 33u);
    EXPECT_EQ(encoded.slot.events[122], 20);
    EXPECT_EQ(encoded.slot.events[123], 0x03);
    EXPECT_EQ(encoded.slot.events[124], 0x00);
    EXPECT_EQ(encoded.slot.events[125], 0x00);
}

TEST(EncodeMacros, SectionsFillTheSlotsInOrderUpToTwelve) {
    std::vector<StoredMacro> macros;
    for (int k = 0; k < 14; ++k) macros.push_back(Macro({L"A   Dn"}, 1, 1, std::to_wstring(k + 1)));
    const MacroEncoding encoding = EncodeMacros(macros, macros.size());
    for (std::size_t k = 0; k < kMacroSlotCount; ++k) {
        EXPECT_EQ(encoding.image.slots[k].repeatCount[1], k + 1) << k;
        EXPECT_EQ(encoding.image.slots[k].events[1], 0x04) << k;
    }
    EXPECT_TRUE(encoding.cuts.empty());
}

TEST(EncodeMacros, EmptyManagerListOrLibraryGivesAnAllZeroImage) {
    const std::vector<StoredMacro> macros{Macro({L"A   Dn"})};
    EXPECT_EQ(EncodeMacros(macros, 0).image, MacroImage{});
    EXPECT_EQ(EncodeMacros({}, 3).image, MacroImage{});
}

TEST(EncodeMacros, CutMacrosAreNamedWithTheirSlot) {
    std::vector<StoredMacro> macros{Macro({L"A   Dn"}), Macro(ShortEvents(64), 0)};
    macros[1].name = L"Long";
    const MacroEncoding encoding = EncodeMacros(macros, 2);
    ASSERT_EQ(encoding.cuts.size(), 1u);
    EXPECT_EQ(encoding.cuts[0].slotIndex, 1u);
    EXPECT_EQ(encoding.cuts[0].name, L"Long");
    EXPECT_EQ(encoding.cuts[0].eventsKept, 63u);
    EXPECT_EQ(encoding.cuts[0].eventsInMacro, 64u);
}

}  // namespace
}  // namespace ravix
