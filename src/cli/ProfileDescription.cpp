#include "cli/ProfileDescription.h"

#include <array>

#include "core/store/ProfilePointerSettings.h"
#include "core/keys/KeyCode.h"
#include "core/keys/KeyNames.h"
#include "core/keys/KeyTranslation.h"
#include "core/keys/UsKeyboardLayout.h"
#include "core/platform/TextEncoding.h"
#include "core/store/DeviceImageBuild.h"

namespace ravix {
namespace {

std::string Number(int value) {
    return std::to_string(value);
}

std::string HexByte(unsigned value) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 0xF], digits[value & 0xF]};
}

// A position among `names` (1-based), or the raw number when a file holds something else.
template <std::size_t N>
std::string PositionName(const std::array<const char*, N>& names, unsigned position) {
    if (position >= 1 && position <= N) return names[position - 1];
    return "position " + Number(static_cast<int>(position)) + " (not a valid choice)";
}

std::string ReportRate(std::uint8_t code) {
    switch (code) {
        case 1:
            return "1000 Hz";
        case 2:
            return "500 Hz";
        case 4:
            return "250 Hz";
        case 8:
            return "125 Hz";
        default:
            return "unknown code " + Number(code);
    }
}

std::string Lighting(const ProfileSettings& s) {
    switch (s.lightingEffect) {
        case 0:
            return "none chosen";
        case 1:
            return "Standard, brightness " +
                   PositionName(std::array{"0%", "25%", "50%", "75%", "100%"}, s.standardBrightness);
        case 2:
            return "Breathing, period " +
                   PositionName(std::array{"4 s", "5 s", "6 s", "7 s", "8 s"}, s.breathingPeriod);
        case 3:
            return "Spectrum Cycle, period " +
                   PositionName(std::array{"3 s", "6 s", "9 s", "12 s", "15 s"}, s.spectrumPeriod);
        default:
            return "unknown effect " + Number(s.lightingEffect);
    }
}

std::string KeyName(KeyCode code) {
    static const UsKeyboardLayout layout;
    const std::wstring name = CodeToKeyName(code, layout);
    return name.empty() ? "key 0x" + HexByte(code) : ToUtf8(name);
}

std::string Modifiers(ModifierMask mask) {
    std::string text;
    for (const ModifierName& modifier : ModifierNames()) {
        if (mask & modifier.mask) text += ToUtf8(modifier.name) + " + ";
    }
    return text;
}

std::string Multimedia(std::uint8_t code) {
    struct Entry {
        std::uint8_t code;
        const char* name;
    };
    static constexpr Entry kEntries[] = {{0x83, "Media player"}, {0xB5, "Next Track"}, {0xB6, "Pre Track"},
                                         {0xB7, "Stop"},         {0xCD, "Play/Pause"}, {0xE2, "Mute"},
                                         {0xE9, "Volume Up"},    {0xEA, "Volume Down"}};
    for (const Entry& entry : kEntries)
        if (entry.code == code) return entry.name;
    return "consumer usage 0x" + HexByte(code);
}

std::string ButtonFunction(const ProfileSettings& s, std::size_t b) {
    switch (s.actionType[b]) {
        case 0:
            return "Click (left button)";
        case 1:
            return "Menu (right button)";
        case 2:
            return "Scroll Select: " +
                   PositionName(std::array{"MID BUTTON", "SCROLL UP", "SCROLL DOWN"}, s.wheelChoice[b]);
        case 3:
            return "IE Forward";
        case 4:
            return "IE Backward";
        case 5:
            return "Double Click";
        case 6:
            return "CPI Cycle: " + PositionName(std::array{"DPI +", "DPI -", "DPI Loop"}, s.dpiChoice[b]);
        case 7:
            return "Multimedia: " + Multimedia(s.multimediaCode[b]);
        case 8:
            return "HotKey: Left Ctrl + " + KeyName(s.hotKey[b]);
        case 9:
            return "Windows: " + PositionName(std::array{"My computer", "Browser-Home", "Search", "Maximum",
                                                         "Minimum", "Show desktop", "Run"},
                                              s.windowsChoice[b] + 1u);
        case 10:
            return "Single Key: " + KeyName(s.singleKey[b]);
        case 11: {
            std::string keys = Modifiers(s.comboModifiers[b]);
            for (KeyCode key : {s.comboFirstKey[b], s.comboSecondKey[b]})
                if (key != kNoKey) keys += KeyName(key) + " + ";
            return "Combo Key: " + (keys.empty() ? std::string("nothing") : keys.substr(0, keys.size() - 3));
        }
        case 12:
            return "Macro Key: macro " + Number(s.macroNumber[b] + 1) + ", " +
                   PositionName(std::array{"repeat the set number of times or until any key",
                                           "repeat until any key", "repeat while the button is held"},
                                s.macroLoopMode[b] + 1u);
        case 13:
            return "Button Off";
        default:
            return "unknown function " + Number(s.actionType[b]) + " (does nothing)";
    }
}

std::string Colour(const std::array<std::uint8_t, 3>& redBlueGreen) {
    return "#" + HexByte(redBlueGreen[0]) + HexByte(redBlueGreen[2]) + HexByte(redBlueGreen[1]);
}

}  // namespace

std::size_t MacroEventCount(const ProfileSettings::MacroSlotImage& slot) {
    std::size_t end = slot.size();
    while (end > 2 && slot[end - 1] == 0) --end;
    std::size_t events = 0;
    for (std::size_t i = 2; i + 1 < slot.size() && i < end; i += 2) {
        if (slot[i + 1] != kDelayExtensionMarker) {
            ++events;
        } else if (slot[i] == 0) {
            i += 2;  // the long form: a 16-bit delay follows the marker
        }
    }
    return events;
}

std::vector<std::string> DescribeProfile(std::uint8_t firstRunFlag, const ProfileSettings& s) {
    std::vector<std::string> lines;
    lines.push_back("Profile: " + Number(s.profile) + (s.profile < 6 ? "" : " (not one of the mouse's six)"));
    lines.push_back("First-run flag: " + Number(firstRunFlag) +
                    (firstRunFlag == 0 ? " (button labels not set yet)" : " (button labels set)"));
    lines.push_back("Report rate: " + ReportRate(s.reportRate));
    for (std::size_t stage = 0; stage < 4; ++stage)
        lines.push_back("DPI stage " + Number(static_cast<int>(stage + 1)) + ": " +
                        Number(s.dpiLevel[stage] * 50) + " DPI, colour " + Colour(s.dpiColour[stage]));
    lines.push_back("Lighting: " + Lighting(s));
    lines.push_back("Pointer speed: " + Number(PointerSpeedFor(s.pointerSpeed)) + " (dial position " +
                    Number(s.pointerSpeed) + ")");
    lines.push_back(std::string("Enhance pointer precision: ") +
                    (s.enhancePointerPrecision == 1 ? "on" : "off"));
    lines.push_back("Wheel: " +
                    (s.wheelScrollsScreen != 0
                         ? std::string("one screen per notch")
                         : Number(static_cast<int>(WheelScrollAmountFor(s))) + " lines per notch"));
    lines.push_back("Double-click time: " + Number(static_cast<int>(DoubleClickTimeFor(s.doubleClickSpeed))) +
                    " ms (dial position " + Number(s.doubleClickSpeed) + ")");
    lines.push_back("Angle snap: " +
                    (s.angleSnap == 1 ? std::string("off") : "position " + Number(s.angleSnap)));
    lines.push_back("X sensitivity: " + Number(s.xSensitivity));
    lines.push_back("Y sensitivity: " + Number(s.ySensitivity));
    for (std::size_t b = 0; b < ProfileSettings::kButtons; ++b)
        lines.push_back("Button " + Number(static_cast<int>(b + 1)) + ": " + ButtonFunction(s, b));
    for (std::size_t m = 0; m < ProfileSettings::kMacroSlots; ++m) {
        const auto& slot = s.macroSlots[m];
        lines.push_back("Macro slot " + Number(static_cast<int>(m + 1)) + ": repeat " +
                        Number(slot[0] << 8 | slot[1]) + ", " +
                        Number(static_cast<int>(MacroEventCount(slot))) + " events");
    }
    return lines;
}

}  // namespace ravix
