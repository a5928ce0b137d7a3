#pragma once

#include "cli/CliCommand.h"

namespace ravix {

// ravixctl keys: every key code the mouse knows, with its virtual key and scan code, the name the
// program shows for it on a US layout and the key name a macro line uses for it.
int RunKeysCommand(CliArguments arguments, CliContext& context);

}  // namespace ravix
