#pragma once

#include "cli/CliCommand.h"

namespace ravix {

// ravixctl macros list FILE: the macros of a library file in file order, with the number that is
// their slot, the repeat count the mouse plays and the number of key events.
// ravixctl macros encode FILE -o OUT: writes the 1536-byte macro image of the library, as the macro
// manager's OK builds it; every macro that did not fit into its slot is named on standard error.
int RunMacrosCommand(CliArguments arguments, CliContext& context);

}  // namespace ravix
