#include "cli/MacroCommands.h"

#include <cstdio>
#include <optional>

#include "core/macros/MacroLibrary.h"
#include "core/platform/FileIo.h"
#include "core/platform/PortableIniFile.h"
#include "core/platform/TextEncoding.h"

namespace ravix {
namespace {

constexpr std::string_view kUsage = "usage: ravixctl macros list FILE | ravixctl macros encode FILE -o OUT\n";

int Usage(CliContext& context) {
    context.err << kUsage;
    return kExitUsage;
}

// A library the user named must be there: a missing one would only list nothing or encode zeros.
bool CheckLibraryExists(const MacroLibrary& library, std::string_view argument, CliContext& context) {
    if (library.Exists()) return true;
    const bool other = KindOfPath(PathArgument(argument)) == PathKind::NotRegularFile;
    context.err << "ravixctl: " << argument << (other ? ": not a regular file\n" : ": no such file\n");
    return false;
}

std::string Column(std::size_t value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%*zu", width, value);
    return text;
}

int ListMacros(std::string_view file, CliContext& context) {
    PortableIniFile ini;
    const MacroLibrary library(ini, PathArgument(file));
    if (!CheckLibraryExists(library, file, context)) return kExitFailed;
    context.out << "No.  Repeat  Events  Name\n";
    std::size_t number = 0;
    for (const std::wstring& name : library.List()) {
        const StoredMacro macro = library.Load(name);
        const SlotEncoding encoded = EncodeMacroSlot(macro);
        context.out << Column(++number, 3) << "  " << Column(EffectiveRepeatCount(macro), 6) << "  "
                    << Column(encoded.eventsInMacro, 6) << "  " << ToUtf8(name);
        if (number > kMacroSlotCount)
            context.out << "  (beyond the twelve slots: not encoded)";
        else if (encoded.cut())
            context.out << "  (only " << encoded.eventsKept << " fit into the slot)";
        context.out << '\n';
    }
    return kExitOk;
}

int EncodeMacroFile(std::string_view file, std::string_view output, CliContext& context) {
    PortableIniFile ini;
    const MacroLibrary library(ini, PathArgument(file));
    if (!CheckLibraryExists(library, file, context)) return kExitFailed;
    // Every section of the file is an entry of the manager's list.
    const MacroEncoding encoding = EncodeLibrary(library, library.List().size());
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&encoding.image);
    if (const int error =
            ReplaceFileAtomically(PathArgument(output), std::span(bytes, sizeof encoding.image))) {
        context.err << "ravixctl: cannot write " << output << " (error " << error << ")\n";
        return kExitFailed;
    }
    for (const MacroCut& cut : encoding.cuts) {
        context.err << "ravixctl: macro " << cut.slotIndex + 1 << " \"" << ToUtf8(cut.name)
                    << "\" was cut: only " << cut.eventsKept << " of its " << cut.eventsInMacro
                    << " events fit into its slot\n";
    }
    return kExitOk;
}

// The file and the output of "encode FILE -o OUT", in either order.
struct EncodeArguments {
    std::string_view file;
    std::string_view output;
};

std::optional<EncodeArguments> ParseEncodeArguments(CliArguments arguments) {
    EncodeArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size() && parsed.output.empty()) {
            parsed.output = arguments[++i];
        } else if (arguments[i].starts_with('-') || !parsed.file.empty()) {
            return std::nullopt;
        } else {
            parsed.file = arguments[i];
        }
    }
    if (parsed.file.empty() || parsed.output.empty()) return std::nullopt;
    return parsed;
}

}  // namespace

int RunMacrosCommand(CliArguments arguments, CliContext& context) {
    if (arguments.empty()) return Usage(context);
    if (arguments[0] == "list") {
        if (arguments.size() != 2 || arguments[1].starts_with('-')) return Usage(context);
        return ListMacros(arguments[1], context);
    }
    if (arguments[0] == "encode") {
        const auto parsed = ParseEncodeArguments(arguments.subspan(1));
        if (!parsed) return Usage(context);
        return EncodeMacroFile(parsed->file, parsed->output, context);
    }
    context.err << "ravixctl: unknown macros command '" << arguments[0] << "'\n";
    return Usage(context);
}

}  // namespace ravix
