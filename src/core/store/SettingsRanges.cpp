#include "core/store/SettingsRanges.h"

#include <algorithm>
#include <cstdlib>

#include "core/keys/KeyCodeTable.h"
#include "core/keys/KeyNames.h"
#include "core/store/FactoryFiles.h"
#include "core/store/ProfilePointerSettings.h"

namespace ravix {
namespace {

bool Is(std::uint8_t stored, ActionType function) {
    return stored == static_cast<std::uint8_t>(function);
}
constexpr std::uint8_t kMacroSlots = ProfileSettings::kMacroSlots;

// Collects the names of the fields it had to change.
class Corrections {
public:
    void Clamp(std::uint8_t& value, int low, int high, const std::wstring& name) {
        Set(value, static_cast<std::uint8_t>(std::clamp<int>(value, low, high)), name);
    }
    void Set(std::uint8_t& value, std::uint8_t corrected, const std::wstring& name) {
        if (value == corrected) return;
        value = corrected;
        if (m_names.empty() || m_names.back() != name) m_names.push_back(name);
    }
    std::vector<std::wstring> Names() && { return std::move(m_names); }

private:
    std::vector<std::wstring> m_names;
};

// The nearest of the four report-rate codes; of two as near, the faster rate.
std::uint8_t NearestReportRate(std::uint8_t code) {
    std::uint8_t best = 1;
    for (const std::uint8_t candidate : {1, 2, 4, 8})
        if (std::abs(code - candidate) < std::abs(code - best)) best = candidate;
    return best;
}

template <std::size_t N>
bool IsOneOf(std::uint8_t value, const std::array<std::uint8_t, N>& values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// A key byte the capture dialogs can store: none, or a key of the table.
bool IsKnownKey(KeyCode key) {
    return key == kNoKey || std::any_of(KeyCodeTable.begin(), KeyCodeTable.end(),
                                        [key](const KeyCodeRow& row) { return row.keyCode == key; });
}

// A mask the combination dialog can store: none, or exactly one modifier.
bool IsKnownModifier(ModifierMask mask) {
    return mask == 0 || !ModifierMaskToName(mask).empty();
}

// Whether the parameter that names what the button's function does is one the pages offer.
bool NamesSomethingKnown(const ProfileSettings& s, std::size_t i) {
    switch (static_cast<ActionType>(s.actionType[i])) {
        case ActionType::Multimedia:
            return IsOneOf(s.multimediaCode[i], kMultimediaCodes);
        case ActionType::HotKey:
            return IsOneOf(s.hotKey[i], kHotKeys);
        case ActionType::SingleKey:
            return IsKnownKey(s.singleKey[i]);
        case ActionType::ComboKey:
            return IsKnownModifier(s.comboModifiers[i]) && IsKnownKey(s.comboFirstKey[i]) &&
                   IsKnownKey(s.comboSecondKey[i]);
        case ActionType::MacroKey:
            return s.macroNumber[i] < kMacroSlots;
        default:
            return s.actionType[i] <= static_cast<std::uint8_t>(ActionType::ButtonOff);
    }
}

void BringButtonIntoRange(ProfileSettings& s, std::size_t i, Corrections& corrections) {
    const std::wstring name = L"button " + std::to_wstring(i + 1);
    if (!NamesSomethingKnown(s, i)) {
        // The factory function of the button, with the parameter it needs.
        const ProfileSettings factory = FactorySettings(0);
        corrections.Set(s.actionType[i], factory.actionType[i], name);
        if (Is(factory.actionType[i], ActionType::ScrollSelect)) s.wheelChoice[i] = factory.wheelChoice[i];
        if (Is(factory.actionType[i], ActionType::CpiCycle)) s.dpiChoice[i] = factory.dpiChoice[i];
        return;
    }
    switch (static_cast<ActionType>(s.actionType[i])) {
        case ActionType::ScrollSelect:
            return corrections.Clamp(s.wheelChoice[i], 1, 3, name);
        case ActionType::CpiCycle:
            return corrections.Clamp(s.dpiChoice[i], 1, 3, name);
        case ActionType::Windows:
            return corrections.Clamp(s.windowsChoice[i], 0, 6, name);
        case ActionType::MacroKey:
            return corrections.Clamp(s.macroLoopMode[i], 0, 2, name);
        default:
            return;
    }
}

}  // namespace

std::vector<std::wstring> BringIntoRange(ProfileSettings& s) {
    Corrections c;
    c.Set(s.reportRate, NearestReportRate(s.reportRate), L"report rate");
    for (std::size_t stage = 0; stage < ProfileSettings::kDpiStages; ++stage)
        c.Clamp(s.dpiLevel[stage], 1, 100, L"DPI stage " + std::to_wstring(stage + 1));
    c.Clamp(s.lightingEffect, 0, 3, L"lighting effect");
    c.Clamp(s.standardBrightness, 1, 5, L"Standard brightness");
    c.Clamp(s.breathingPeriod, 1, 5, L"Breathing period");
    c.Clamp(s.spectrumPeriod, 1, 5, L"Spectrum Cycle period");
    c.Clamp(s.wheelScrollsScreen, 0, 1, L"scroll mode");
    c.Clamp(s.pointerSpeed, kLowestDialPosition, kHighestDialPosition, L"pointer speed");
    c.Clamp(s.wheelScrollLines, 1, kMostWheelScrollLines, L"scroll lines");
    c.Clamp(s.doubleClickSpeed, kLowestDialPosition, kHighestDialPosition, L"double-click speed");
    c.Clamp(s.angleSnap, 1, 10, L"angle snap");
    c.Clamp(s.xSensitivity, 1, 10, L"X sensitivity");
    c.Clamp(s.ySensitivity, 1, 10, L"Y sensitivity");
    for (std::size_t i = 0; i < ProfileSettings::kButtons; ++i) BringButtonIntoRange(s, i, c);
    return std::move(c).Names();
}

}  // namespace ravix
