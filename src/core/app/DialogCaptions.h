#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/app/ApplicationSettings.h"

namespace ravix {

// The captions each dialog picks for itself at initialisation, by the same language test as the
// main window's catalogue.

struct ProfileManagerCaptions {  // CConfigDialog
    std::wstring title, newProfileBaseName, newButton, deleteButton, editButton, loadButton, saveButton,
        warningCaption, limitMessage;
};

struct MacroManagerCaptions {  // CMacroProgramDialog
    std::wstring ok, cancel, title, selectMacroHeading, keyActionsHeading, recordOptionHeading,
        recordDelaysOption, loopTimesOption, newButton, deleteButton, newMacroPrefix, startRecording,
        stopRecording, recordingTitle, insertLeftButton, insertMiddleButton, insertRightButton,
        insertDelay, warningCaption, limitMessage;
};

struct MacroAssignmentCaptions {  // CMacroDialog
    std::wstring ok, cancel;
    std::array<std::wstring, 3> loopModes;  // by LoopMode 0, 1, 2
    std::wstring prompt;
};

struct SingleKeyCaptions {  // CSingleDialog
    std::wstring ok, cancel, prompt;
};

struct ComboKeyCaptions {  // CComboDialog
    std::wstring ok, cancel;
};

struct ColourDialogCaptions {  // CSelctColor
    std::wstring title, apply, cancel;
};

struct HelpCaptions {  // CHelpDialog
    std::wstring ok, cancel, updateLine, versionLine;
};

ProfileManagerCaptions ProfileManagerCaptionsFor(Language language);
MacroManagerCaptions MacroManagerCaptionsFor(Language language);
MacroAssignmentCaptions MacroAssignmentCaptionsFor(Language language);
SingleKeyCaptions SingleKeyCaptionsFor(Language language);
ComboKeyCaptions ComboKeyCaptionsFor(Language language);
ColourDialogCaptions ColourDialogCaptionsFor(Language language);
// `version` is the program's major and minor version, as the version line shows it.
HelpCaptions HelpCaptionsFor(Language language, std::wstring_view version);

}  // namespace ravix
