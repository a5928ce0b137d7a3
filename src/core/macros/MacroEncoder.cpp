#include "core/macros/MacroEncoder.h"

#include <algorithm>
#include <cstring>

#include "core/keys/KeyNames.h"
#include "core/macros/MacroLine.h"

namespace ravix {
namespace {

constexpr std::uint8_t kReleaseFlag = 0x80;
constexpr std::int64_t kLongestShortDelay = 1270;
constexpr std::int64_t kLongestMiddleDelay = 25500;

// Without recorded delays every event waits 50 ms unless a delay line follows it.
constexpr std::wstring_view kDefaultDelayLine = L"50 ms";

std::int64_t DelayAfter(const StoredMacro& macro, std::size_t index) {
    const std::size_t next = index + 1;
    std::wstring_view text = next < macro.items.size() ? std::wstring_view(macro.items[next]) : L"";
    if (macro.delayTimeSelStatus == 0 && !MentionsMilliseconds(text)) text = kDefaultDelayLine;
    return MacroLineDelay(text);
}

}  // namespace

EncodedEvent EncodeMacroEvent(bool release, KeyCode code, std::int64_t delayMs) {
    const std::uint8_t flag = release ? kReleaseFlag : 0;
    const std::int64_t d = std::max<std::int64_t>(delayMs, 0);
    EncodedEvent event;
    auto& b = event.bytes;
    if (d <= kLongestShortDelay) {
        b[0] = static_cast<std::uint8_t>(flag | (d / 10));
        b[1] = code;
        event.length = 2;
    } else if (d <= kLongestMiddleDelay) {
        b = {static_cast<std::uint8_t>(flag | (d % 100)), code, static_cast<std::uint8_t>(d / 100),
             kDelayExtensionMarker};
        event.length = 4;
    } else {
        // Only the low 16 bits of the hundreds are kept.
        const auto hundreds = static_cast<std::uint16_t>(d / 100);
        b = {static_cast<std::uint8_t>(flag | (d % 100)),
             code,
             0x00,
             kDelayExtensionMarker,
             static_cast<std::uint8_t>(hundreds >> 8),
             static_cast<std::uint8_t>(hundreds & 0xFF)};
        event.length = 6;
    }
    return event;
}

SlotEncoding EncodeMacroSlot(const StoredMacro& macro) {
    SlotEncoding result;
    if (macro.items.empty()) return result;  // an empty macro is an all-zero slot, count included
    SetRepeatCount(result.slot, EffectiveRepeatCount(macro));
    std::size_t position = 0;
    bool full = false;
    for (std::size_t i = 0; i < macro.items.size(); ++i) {
        const MacroLineKind kind = ClassifyMacroLine(macro.items[i]);
        if (kind != MacroLineKind::Press && kind != MacroLineKind::Release) continue;
        ++result.eventsInMacro;
        if (full) continue;
        const EncodedEvent event =
            EncodeMacroEvent(kind == MacroLineKind::Release, KeyNameToCode(MacroLineKeyName(macro.items[i])),
                             DelayAfter(macro, i));
        if (position + event.length > result.slot.events.size()) {
            full = true;
            continue;
        }
        std::memcpy(result.slot.events.data() + position, event.bytes.data(), event.length);
        position += event.length;
        ++result.eventsKept;
    }
    return result;
}

MacroEncoding EncodeMacros(std::span<const StoredMacro> macros, std::size_t managerListCount) {
    MacroEncoding result;
    if (managerListCount == 0) return result;
    const std::size_t count = std::min(macros.size(), kMacroSlotCount);
    for (std::size_t k = 0; k < count; ++k) {
        SlotEncoding encoded = EncodeMacroSlot(macros[k]);
        result.image.slots[k] = encoded.slot;
        if (encoded.cut())
            result.cuts.push_back({k, macros[k].name, encoded.eventsKept, encoded.eventsInMacro});
    }
    return result;
}

}  // namespace ravix
