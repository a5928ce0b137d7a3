#pragma once

#include "core/keys/TableKeyboardLayout.h"

namespace ravix {

// The US English layout with the key names of an English system: the layout the program assumes
// wherever the operating system's own is not available (ravixctl, native tests).
class UsKeyboardLayout final : public TableKeyboardLayout {
public:
    UsKeyboardLayout();
};

}  // namespace ravix
