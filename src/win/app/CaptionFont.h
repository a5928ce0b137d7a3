#pragma once

#include <windows.h>

#include "core/app/CaptionFonts.h"

namespace ravix::win {

// The operating system's version as GetVersion reports it to this program.
OsVersion ReportedOsVersion();

// A GDI font that deletes itself.
class UniqueFont {
public:
    UniqueFont() = default;
    explicit UniqueFont(const FontChoice& choice);
    ~UniqueFont() { Reset(); }
    UniqueFont(const UniqueFont&) = delete;
    UniqueFont& operator=(const UniqueFont&) = delete;
    UniqueFont& operator=(UniqueFont&& other) noexcept;

    HFONT Get() const { return m_font; }
    void Reset();

private:
    HFONT m_font = nullptr;
};

}  // namespace ravix::win
