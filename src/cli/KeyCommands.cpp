#include "cli/KeyCommands.h"

#include <cstdio>

#include "core/keys/KeyCodeTable.h"
#include "core/keys/KeyNames.h"
#include "core/keys/KeyTranslation.h"
#include "core/keys/UsKeyboardLayout.h"
#include "core/platform/TextEncoding.h"

namespace ravix {
namespace {

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(value));
    return text;
}

const KeyCodeRow* RowOf(KeyCode code) {
    for (const KeyCodeRow& row : KeyCodeTable) {
        if (row.keyCode == code) return &row;
    }
    return nullptr;
}

std::wstring_view MacroNameOf(KeyCode code) {
    for (const NamedKeyCode& named : MacroKeyNames()) {
        if (named.code == code) return named.name;
    }
    return {};
}

// Pads UTF-8 text to a width in characters (the names are ASCII).
std::string Padded(std::wstring_view text, std::size_t width) {
    std::string padded = ToUtf8(text);
    if (text.size() < width) padded.append(width - text.size(), ' ');
    return padded;
}

}  // namespace

int RunKeysCommand(CliArguments arguments, CliContext& context) {
    if (!arguments.empty()) {
        context.err << "ravixctl: unexpected argument '" << arguments[0] << "'\nusage: ravixctl keys\n";
        return kExitUsage;
    }
    const UsKeyboardLayout layout;
    context.out << "Code  VKey  Scan  Name          Macro line name\n";
    for (unsigned value = 0; value <= 0xFF; ++value) {
        const auto code = static_cast<KeyCode>(value);
        const KeyCodeRow* row = RowOf(code);
        const std::wstring name = CodeToKeyName(code, layout);
        const std::wstring_view macroName = MacroNameOf(code);
        if (!row && name.empty() && macroName.empty()) continue;
        const auto virtualKey = CodeToVirtualKey(code, layout);
        std::string line = Hex(code) + "  " + (virtualKey ? Hex(*virtualKey) : "-   ") + "  " +
                           (row && row->scanCode != 0 ? Hex(row->scanCode) : "-   ") + "  " +
                           Padded(name, 12) + "  " + ToUtf8(macroName);
        line.erase(line.find_last_not_of(' ') + 1);
        context.out << line << '\n';
    }
    return kExitOk;
}

}  // namespace ravix
