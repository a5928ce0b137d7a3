#pragma once

#include <string>

#include "core/app/ApplicationSettings.h"
#include "core/platform/PointerSettings.h"
#include "core/platform/BinaryFiles.h"
#include "core/platform/IniFile.h"
#include "core/platform/Notifier.h"
#include "core/store/ProfileFileDialogs.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileSettings.h"
#include "core/store/Synchronisation.h"

namespace ravix::win {

// The ports the configuration store is reached through. Each one left empty is the system's.
struct StorePorts {
    std::wstring executablePath;  // empty: the program's own
    IniFile* ini = nullptr;
    BinaryFiles* binaryFiles = nullptr;
    Notifier* notifier = nullptr;
    PointerSettings* pointer = nullptr;
    ProfileFileDialogs* fileDialogs = nullptr;
};

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
    StorePorts ports;
};

}  // namespace ravix::win
