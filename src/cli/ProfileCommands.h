#pragma once

#include "cli/CliCommand.h"

namespace ravix {

// ravixctl show FILE.bin: the profile file in words.
int RunShowCommand(CliArguments arguments, CliContext& context);

// ravixctl image FILE.bin -o OUT: the device image a Save of that profile builds (header bytes 0
// and 2 from the profile, byte 1 the connect value; only the profile's own block built, the other
// five zero), written to OUT.
int RunImageCommand(CliArguments arguments, CliContext& context);

// ravixctl save FILE.bin [--simulate] [--trace]: connects, writes the profile to the mouse and
// saves FILE.bin as the program saves a profile it has written; says how long the write took by
// the clock. With --trace standard output
// carries only the transfer log; the summary then goes to standard error.
int RunSaveCommand(CliArguments arguments, CliContext& context);

}  // namespace ravix
