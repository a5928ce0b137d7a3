#include <algorithm>

#include "RavixVersion.h"

#include "cli/CliCommand.h"
#include "cli/DeviceCommands.h"
#include "cli/FactoryCommand.h"
#include "cli/KeyCommands.h"
#include "cli/MacroCommands.h"
#include "cli/ProfileCommands.h"
#include "core/platform/TextCodecs.h"

namespace ravix {
namespace {

// Later command groups add their entries here.
constexpr CliCommand kCommands[] = {
    {"devices", "devices [--simulate]", RunDevicesCommand},
    {"connect", "connect [--simulate] [--trace]", RunConnectCommand},
    {"show", "show FILE.bin", RunShowCommand},
    {"image", "image FILE.bin -o OUT", RunImageCommand},
    {"save", "save FILE.bin [--simulate] [--trace]", RunSaveCommand},
    {"profile", "profile N [--simulate] [--trace]", RunProfileCommand},
    {"listen", "listen [--simulate] [--count N]", RunListenCommand},
    {"factory", "factory DIR", RunFactoryCommand},
    {"macros", "macros list FILE | macros encode FILE -o OUT", RunMacrosCommand},
    {"keys", "keys", RunKeysCommand},
};

void PrintUsage(std::ostream& stream) {
    stream << "usage: ravixctl <command> [options] | ravixctl --version\ncommands:\n";
    for (const CliCommand& command : kCommands) stream << "  ravixctl " << command.synopsis << '\n';
}

}  // namespace

std::span<const CliCommand> CliCommands() {
    return kCommands;
}

int RunRavixctl(CliArguments arguments, CliContext& context) {
    if (arguments.empty()) {
        PrintUsage(context.err);
        return kExitUsage;
    }
    if (arguments[0] == "help" || arguments[0] == "--help" || arguments[0] == "-h") {
        PrintUsage(context.out);
        return kExitOk;
    }
    if (arguments[0] == "--version") {
        context.out << "ravixctl " << kProgramVersion << '\n';
        return kExitOk;
    }
    const auto command = std::find_if(std::begin(kCommands), std::end(kCommands),
                                      [&](const CliCommand& c) { return c.name == arguments[0]; });
    if (command == std::end(kCommands)) {
        context.err << "ravixctl: unknown command '" << arguments[0] << "'\n";
        PrintUsage(context.err);
        return kExitUsage;
    }
    return command->run(arguments.subspan(1), context);
}

std::optional<std::set<std::string_view>> ParseSwitches(CliArguments arguments,
                                                        std::initializer_list<std::string_view> allowed,
                                                        CliContext& context) {
    std::set<std::string_view> switches;
    for (std::string_view argument : arguments) {
        if (std::find(allowed.begin(), allowed.end(), argument) == allowed.end()) {
            context.err << "ravixctl: unexpected argument '" << argument << "'\n";
            return std::nullopt;
        }
        switches.insert(argument);
    }
    return switches;
}

std::wstring PathArgument(std::string_view argument) {
    if (auto utf8 = WideFromUtf8(argument)) return std::move(*utf8);
    return WideFromAnsi(argument);
}

}  // namespace ravix
