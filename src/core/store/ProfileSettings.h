#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace ravix {

// The functions of a mouse button, in the order of the box's list: the position is the value
// stored for the button.
enum class ActionType : std::uint8_t {
    Click,
    Menu,
    ScrollSelect,
    Forward,
    Backward,
    DoubleClick,
    CpiCycle,
    Multimedia,
    HotKey,
    Windows,
    SingleKey,
    ComboKey,
    MacroKey,
    ButtonOff,
};

// The editing record of the current profile: what the settings pages read and write, what the
// profile files store byte for byte, and the images of the twelve macro slots. Pages store
// positions and choices here; device codes are computed only when the mouse is written.
struct ProfileSettings {
    static constexpr std::size_t kButtons = 8;
    static constexpr std::size_t kDpiStages = 6;
    static constexpr std::size_t kMacroSlots = 12;
    static constexpr std::size_t kMacroSlotBytes = 128;
    // The part a factory reset replaces; the macro slot images after it survive a reset.
    static constexpr std::size_t kSettingsPartBytes = 220;

    using ButtonBytes = std::array<std::uint8_t, kButtons>;
    using MacroSlotImage = std::array<std::uint8_t, kMacroSlotBytes>;

    std::uint8_t profile;  // 0..5, the profile this record belongs to
    std::array<std::uint8_t, 4> reserved1;
    std::uint8_t reportRate;  // 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125
    std::uint8_t reserved6;
    std::array<std::uint8_t, kDpiStages> dpiLevel;  // DPI / 50, 1..100
    std::array<std::uint8_t, 10> reserved13;
    std::array<std::array<std::uint8_t, 3>, kDpiStages> dpiColour;  // red, blue, green (sic: not RGB)
    std::array<std::uint8_t, 6> reserved41;
    std::uint8_t lightingEffect;           // 1 Standard, 2 Breathing, 3 Spectrum Cycle
    std::uint8_t standardBrightness;       // position 1..5 ("0%" .. "100%")
    std::uint8_t breathingPeriod;          // position 1..5 ("4S" .. "8S")
    std::uint8_t spectrumPeriod;           // position 1..5 ("3S" .. "15S")
    std::uint8_t enhancePointerPrecision;  // 1 = on
    std::uint8_t wheelScrollsScreen;       // 0 = by lines, 1 = one screen per notch
    std::uint8_t pointerSpeed;             // dial position
    std::uint8_t wheelScrollLines;         // 1..100
    std::uint8_t doubleClickSpeed;         // dial position
    std::uint8_t angleSnap;                // position 1..10, 1 = off
    std::uint8_t reserved57;
    std::uint8_t xSensitivity;  // position 1..10
    std::uint8_t ySensitivity;  // position 1..10
    ButtonBytes actionType;     // ActionType 0..13 of each button
    ButtonBytes wheelChoice;    // ActionType 2: 1 middle, 2 up, 3 down
    ButtonBytes dpiChoice;      // ActionType 6: 1 DPI+, 2 DPI-, 3 loop
    std::array<std::uint8_t, 8> reserved84;
    ButtonBytes multimediaCode;  // ActionType 7: low byte of a consumer usage
    ButtonBytes windowsChoice;   // ActionType 9: 0..6
    std::array<std::uint8_t, 24> reserved108;
    ButtonBytes hotKey;          // ActionType 8: key pressed with Left Ctrl
    ButtonBytes singleKey;       // ActionType 10
    ButtonBytes comboModifiers;  // ActionType 11: HID modifier mask
    ButtonBytes comboFirstKey;   // ActionType 11
    ButtonBytes comboSecondKey;  // ActionType 11
    std::array<std::uint8_t, 32> reserved172;
    ButtonBytes macroNumber;                             // ActionType 12: 0-based macro position
    ButtonBytes macroLoopMode;                           // ActionType 12: LoopMode 0..2
    std::array<MacroSlotImage, kMacroSlots> macroSlots;  // images of macro slots 1..12

    bool operator==(const ProfileSettings&) const = default;
};

static_assert(sizeof(ProfileSettings) == 1756);
static_assert(offsetof(ProfileSettings, reportRate) == 5);
static_assert(offsetof(ProfileSettings, dpiLevel) == 7);
static_assert(offsetof(ProfileSettings, dpiColour) == 23);
static_assert(offsetof(ProfileSettings, lightingEffect) == 47);
static_assert(offsetof(ProfileSettings, enhancePointerPrecision) == 51);
static_assert(offsetof(ProfileSettings, angleSnap) == 56);
static_assert(offsetof(ProfileSettings, xSensitivity) == 58);
static_assert(offsetof(ProfileSettings, actionType) == 60);
static_assert(offsetof(ProfileSettings, wheelChoice) == 68);
static_assert(offsetof(ProfileSettings, dpiChoice) == 76);
static_assert(offsetof(ProfileSettings, multimediaCode) == 92);
static_assert(offsetof(ProfileSettings, windowsChoice) == 100);
static_assert(offsetof(ProfileSettings, hotKey) == 132);
static_assert(offsetof(ProfileSettings, singleKey) == 140);
static_assert(offsetof(ProfileSettings, comboModifiers) == 148);
static_assert(offsetof(ProfileSettings, comboFirstKey) == 156);
static_assert(offsetof(ProfileSettings, comboSecondKey) == 164);
static_assert(offsetof(ProfileSettings, macroNumber) == 204);
static_assert(offsetof(ProfileSettings, macroLoopMode) == 212);
static_assert(offsetof(ProfileSettings, macroSlots) == ProfileSettings::kSettingsPartBytes);

inline std::span<std::uint8_t, sizeof(ProfileSettings)> BytesOf(ProfileSettings& settings) {
    return std::span<std::uint8_t, sizeof(ProfileSettings)>(reinterpret_cast<std::uint8_t*>(&settings),
                                                            sizeof(ProfileSettings));
}

inline std::span<const std::uint8_t, sizeof(ProfileSettings)> BytesOf(const ProfileSettings& settings) {
    return std::span<const std::uint8_t, sizeof(ProfileSettings)>(
        reinterpret_cast<const std::uint8_t*>(&settings), sizeof(ProfileSettings));
}

}  // namespace ravix
