#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommand.h"
#include "core/platform/Notifier.h"
#include "core/store/ProfileSettings.h"

namespace ravix {

// A path given on the command line, as the program's wide text (UTF-8, else the 8-bit code page).
std::wstring WidePath(std::string_view argument);

struct ProfileFileContents {
    std::uint8_t firstRunFlag = 0;
    ProfileSettings settings{};
};

// The profile file named on the command line; nothing, after a message on err, when it is missing
// or not a profile file.
std::optional<ProfileFileContents> ReadProfileFileArgument(std::string_view argument, CliContext& context);

// The first argument that is not a switch, and the switches, each of which must be one of
// `allowed`. Nothing, after a message on err, for a missing or second operand or a bad switch.
struct OperandAndSwitches {
    std::string_view operand;
    std::vector<std::string_view> rest;
};
std::optional<OperandAndSwitches> SplitOperand(CliArguments arguments, CliContext& context);

// Message boxes become lines on err.
class StreamNotifier final : public Notifier {
public:
    explicit StreamNotifier(std::ostream& stream) : m_stream(stream) {}
    void ShowMessage(const std::wstring& text, const std::wstring& caption) override;

private:
    std::ostream& m_stream;
};

}  // namespace ravix
