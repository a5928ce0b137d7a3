#include "win/app/CaptionFont.h"

#include <utility>

namespace ravix::win {

OsVersion ReportedOsVersion() {
    const DWORD version = GetVersion();
    return {LOBYTE(LOWORD(version)), HIBYTE(LOWORD(version))};
}

UniqueFont::UniqueFont(const FontChoice& choice)
    : m_font(CreateFontW(choice.height, 0, 0, 0, choice.weight, FALSE, FALSE, FALSE, choice.charSet,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, choice.quality, choice.pitchAndFamily,
                        choice.face.c_str())) {}

UniqueFont& UniqueFont::operator=(UniqueFont&& other) noexcept {
    if (this != &other) {
        Reset();
        m_font = std::exchange(other.m_font, nullptr);
    }
    return *this;
}

void UniqueFont::Reset() {
    if (m_font) DeleteObject(m_font);
    m_font = nullptr;
}

}  // namespace ravix::win
