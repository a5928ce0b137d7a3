#pragma once

#include <windows.h>

#include "core/app/CaptionFonts.h"
#include "win/platform/UniqueResources.h"

namespace ravix::win {

// The operating system's version as GetVersion reports it to this program.
OsVersion ReportedOsVersion();

// A GDI font made from a font choice, deleted when it goes.
class UniqueFont : public UniqueGdi<HFONT> {
public:
    UniqueFont() = default;
    explicit UniqueFont(const FontChoice& choice);
};

}  // namespace ravix::win
