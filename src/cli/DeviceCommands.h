#pragma once

#include "cli/CliCommand.h"

namespace ravix {

// ravixctl devices [--simulate]: the HID interfaces discovery examines, and whether it found the mouse.
int RunDevicesCommand(CliArguments arguments, CliContext& context);

// ravixctl connect [--simulate] [--trace]: discovery and the connect sequence; prints the profile
// the mouse reported. With --trace standard output carries only the transfer log, so that it can
// be compared as it is; the profile line then goes to standard error.
int RunConnectCommand(CliArguments arguments, CliContext& context);

// ravixctl profile N [--simulate] [--trace]: makes profile N (0 to 5) the mouse's current profile
// with the profile-select command, then asks the mouse which profile is current to confirm it.
int RunProfileCommand(CliArguments arguments, CliContext& context);

// ravixctl listen [--simulate] [--count N]: prints the mouse's own events as they come, one line
// each (the program's notice for them), and the mouse's arrivals and departures where the
// platform reports them, until interrupted or, with --count, after N events.
int RunListenCommand(CliArguments arguments, CliContext& context);

}  // namespace ravix
