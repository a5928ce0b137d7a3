#include "win/app/CaptionFont.h"

namespace ravix::win {

OsVersion ReportedOsVersion() {
    const DWORD version = GetVersion();
    return {LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version))};
}

UniqueFont::UniqueFont(const FontChoice& choice)
    : UniqueGdi<HFONT>(CreateFontW(choice.height, 0, 0, 0, choice.weight, FALSE, FALSE, FALSE, choice.charSet,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, choice.quality, choice.pitchAndFamily,
                                   choice.face.c_str())) {}

}  // namespace ravix::win
