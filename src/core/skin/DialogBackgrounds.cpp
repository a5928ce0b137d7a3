#include "core/skin/DialogBackgrounds.h"

namespace ravix {

std::wstring BackgroundImageName(SkinnedDialog dialog) {
    switch (dialog) {
        case SkinnedDialog::Combo: return L"/combo-key.png";
        case SkinnedDialog::Config: return L"/Config/Config.png";
        case SkinnedDialog::Help: return L"/Help/HelpWindow.png";
        case SkinnedDialog::MacroKey: return L"/macro-key.png";
        case SkinnedDialog::MacroManager: return L"/MacroManagement/MacroManagement.png";
        case SkinnedDialog::SingleKey: break;
    }
    return L"/single-key.png";
}

std::wstring BackgroundFailureTitle(SkinnedDialog dialog) {
    switch (dialog) {
        case SkinnedDialog::Combo: return L"Combo Dialog Load background image failed!!!";
        case SkinnedDialog::Config: return L"Config Dialog Load background image failed!!!";
        case SkinnedDialog::Help: return L"Help Dialog Load background image failed!!!";
        case SkinnedDialog::MacroKey: return L"Macro Key Dialog Load background image failed!!!";
        case SkinnedDialog::MacroManager: return L"Macro Manager Dialog Load background image failed!!!";
        case SkinnedDialog::SingleKey: break;
    }
    return L"Single Key Dialog Load background image failed!!!";
}

}  // namespace ravix
