#pragma once

#include <string>

#include "core/app/ApplicationSettings.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileSettings.h"
#include "core/store/Synchronisation.h"

namespace ravix::win {

// What the program keeps of the configuration store besides the settings record and the device
// image: the copy last written to the mouse, the current profile's files and what was read from
// its text file, the preferences read at start-up, and the flags of Save, Reset and Cancel.
struct StoreState {
    ProfileSettings appliedSettings{};
    ProfileFileState files;
    ProfileText text;                          // the button labels and the "Skins" key texts
    std::wstring languageCode;                 // key "Lan" as read at start-up; fixed until the next start
    SkinTextColour skinTextColour{0, 255, 0};  // the caption colour, replaced at start-up
    SynchronisationState sync;
};

}  // namespace ravix::win
