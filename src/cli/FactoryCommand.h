#pragma once

#include "cli/CliCommand.h"

namespace ravix {

// ravixctl factory DIR: writes the files of a fresh installation into DIR (created if missing).
int RunFactoryCommand(CliArguments arguments, CliContext& context);

}  // namespace ravix
