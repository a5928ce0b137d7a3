#pragma once

#include "core/store/ProfileFiles.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// Flags of the main window's Save, Reset and Cancel operations.
struct SynchronisationState {
    bool saveBusy = false;    // set by Save, cleared 2 s later: a second click meanwhile is ignored
    bool showReload = false;  // set by Cancel: reload the profile before the window is shown again
};

// Cancel: the edits since the last write to the mouse are dropped. Nothing is sent or saved.
void CancelEdits(const ProfileSettings& applied, ProfileSettings& settings, SynchronisationState& sync);

// The file part of a reset: the settings part comes from the factory configuration file and the
// labels from the factory text file (state.textPath names it afterwards); the macro slot images
// and the profile number stay. False when the factory file could not be read.
bool LoadFactorySettings(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings);

}  // namespace ravix
