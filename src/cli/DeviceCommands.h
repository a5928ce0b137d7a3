#pragma once

#include "cli/CliCommand.h"

namespace ravix {

// ravixctl devices [--simulate]: the HID interfaces discovery examines, and whether it found the mouse.
int RunDevicesCommand(CliArguments arguments, CliContext& context);

// ravixctl connect [--simulate] [--trace]: discovery and the connect sequence; prints the profile
// the mouse reported. With --trace standard output carries only the transfer log, so that it can
// be compared as it is; the profile line then goes to standard error.
int RunConnectCommand(CliArguments arguments, CliContext& context);

}  // namespace ravix
