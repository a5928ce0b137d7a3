#include "win/app/CaptionFont.h"

#include <utility>

namespace ravix::win {

OsVersion ReportedOsVersion() {
    const DWORD version = GetVersion();
    return {LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version))};
}

UniqueFont::UniqueFont(const FontChoice& choice)
    : font_(CreateFontW(choice.height, 0, 0, 0, choice.weight, FALSE, FALSE, FALSE, choice.charSet,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, choice.quality, choice.pitchAndFamily,
                        choice.face.c_str())) {}

UniqueFont& UniqueFont::operator=(UniqueFont&& other) noexcept {
    if (this != &other) {
        Reset();
        font_ = std::exchange(other.font_, nullptr);
    }
    return *this;
}

void UniqueFont::Reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

}  // namespace ravix::win
