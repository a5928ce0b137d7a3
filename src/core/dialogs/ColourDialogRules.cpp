#include "core/dialogs/ColourDialogRules.h"

namespace ravix {

std::wstring HexReadout(Colour colour) {
    constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text;
    for (int channel : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 0xF];
    }
    return text;
}

Colour WithChannel(Colour colour, unsigned value, int fieldId) {
    const int byte = static_cast<int>(value & 0xFF);
    switch (fieldId) {
        case kRedFieldId: return MakeColour(byte, GreenOf(colour), BlueOf(colour));
        case kGreenFieldId: return MakeColour(RedOf(colour), byte, BlueOf(colour));
        case kBlueFieldId: return MakeColour(RedOf(colour), GreenOf(colour), byte);
        default: return colour;
    }
}

Colour ColourOfStageBytes(const std::array<std::uint8_t, 3>& rbg) {
    return MakeColour(rbg[0], rbg[2], rbg[1]);
}

std::array<std::uint8_t, 3> StageBytesOfColour(Colour colour) {
    return {static_cast<std::uint8_t>(RedOf(colour)), static_cast<std::uint8_t>(BlueOf(colour)),
            static_cast<std::uint8_t>(GreenOf(colour))};
}

}  // namespace ravix
