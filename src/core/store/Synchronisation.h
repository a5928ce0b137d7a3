#pragma once

#include <functional>
#include <string>

#include "core/device/DeviceLink.h"
#include "core/platform/PointerSettings.h"
#include "core/platform/Clock.h"
#include "core/store/DeviceImage.h"
#include "core/store/ProfileFiles.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// Flags of the main window's Save, Reset and Cancel operations.
struct SynchronisationState {
    bool saveBusy = false;    // set by Save, cleared 2 s later: a second click meanwhile is ignored
    bool showReload = false;  // set by Cancel: reload the profile before the window is shown again
};

// The mouse as a write reaches it.
struct MouseConnection {
    DeviceLink& link;
    Clock& clock;
};

// The current profile's files and what the main window keeps of its text file.
struct CurrentProfileFiles {
    ProfileFilePorts ports;
    ProfileFileState& state;
    ProfileText& text;
    std::wstring labelSection;  // of the language chosen at start-up
};

// The program's records that the synchronisation reads and refreshes.
struct StoreRecords {
    ProfileSettings& settings;  // what the pages edit
    ProfileSettings& applied;   // what was last written to the mouse
    DeviceImage& image;         // the transmit buffer
};

// Everything Save and Reset work with.
struct SynchronisationContext {
    MouseConnection mouse;
    CurrentProfileFiles files;
    StoreRecords records;
    PointerSettings& pointer;
};

// Builds and sends everything for the profile named by settings.profile: select the profile,
// its report rate, its profile block, the button map and the twelve macro slots, each with the
// pauses the mouse needs. False, with nothing sent, when that byte names no profile.
bool SendProfileToMouse(MouseConnection mouse, const ProfileSettings& settings, DeviceImage& image);

// SendProfileToMouse, then the profile's configuration file and its button labels are saved.
bool FullWrite(MouseConnection mouse, CurrentProfileFiles files, const ProfileSettings& settings,
               DeviceImage& image);

enum class SaveOutcome {
    IgnoredWhileBusy,  // a Save of the last two seconds is still busy
    NoMouse,           // the busy period started; nothing was sent or saved
    Written,
};

// The Save button. `beforeWrite` runs right before the write starts (the window shows its wait
// cursor then). After a write the applied copy is refreshed and the pointer settings applied.
// The window clears sync.saveBusy when the busy period ends.
SaveOutcome SaveToMouse(SynchronisationContext& context, SynchronisationState& sync,
                        const std::function<void()>& beforeWrite = {});

// The Reset button: the settings part and the labels come from the factory files, the macro slot
// images and the profile number stay; with the mouse connected the result is written to it and
// saved as the current profile's files. False when the factory file could not be read: then
// nothing changed and nothing was sent.
bool ResetToFactory(SynchronisationContext& context);

// Cancel: the edits since the last write to the mouse are dropped. Nothing is sent or saved.
void CancelEdits(const ProfileSettings& applied, ProfileSettings& settings, SynchronisationState& sync);

// The file part of a reset: the settings part comes from the factory configuration file and the
// labels from the factory text file (state.textPath names it afterwards); the macro slot images
// and the profile number stay. False when the factory file could not be read.
bool LoadFactorySettings(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings);

// The profile switch: the current profile's files are read again, with its labels and settings
// keys. Nothing is sent and the applied copy stays: the profile reaches the mouse with the next
// Save or Reset. False when no profile's settings could be read.
bool ReloadCurrentProfile(CurrentProfileFiles files, ProfileSettings& settings);

}  // namespace ravix
