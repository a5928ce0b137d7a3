#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "core/device/HidBus.h"
#include "core/platform/Clock.h"

namespace ravix {

class SimulatedMouse;

// What a ravixctl command works with; main() provides the real ones, tests their own.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    Clock& clock;
    // The platform's HID bus; empty (or returning nothing) where there is none yet.
    std::function<std::unique_ptr<HidBus>()> openSystemBus;
    // Called with the simulated mouse of a --simulate command before the command talks to it, so
    // that tests can press its buttons.
    std::function<void(SimulatedMouse&)> simulatedMouseReady = {};
};

// Exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitNoHidBus = 2;
inline constexpr int kExitUsage = 64;

using CliArguments = std::span<const std::string_view>;

// One subcommand: its name, its synopsis for the usage text, and what runs it with the arguments
// that follow its name. Each group of commands lives in its own file and is listed in CliCommands().
struct CliCommand {
    std::string_view name;
    std::string_view synopsis;
    int (*run)(CliArguments arguments, CliContext& context);
};

std::span<const CliCommand> CliCommands();

// Runs the command line without the program name; returns the exit code.
int RunRavixctl(CliArguments arguments, CliContext& context);

// The switches among `arguments`, when each is one of `allowed`; otherwise reports the first bad
// argument on err and gives nothing.
std::optional<std::set<std::string_view>> ParseSwitches(CliArguments arguments,
                                                        std::initializer_list<std::string_view> allowed,
                                                        CliContext& context);

// A file name typed on the command line, as the program's wide path: UTF-8 when it is well-formed
// UTF-8, the Western code page otherwise.
std::wstring PathArgument(std::string_view argument);

}  // namespace ravix
