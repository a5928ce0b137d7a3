#include "cli/ProfileFileInput.h"

#include <cstring>

#include "core/platform/FileIo.h"
#include "core/platform/TextCodecs.h"
#include "core/platform/TextEncoding.h"
#include "core/store/ProfileFiles.h"

namespace ravix {

std::wstring WidePath(std::string_view argument) {
    if (auto wide = WideFromUtf8(argument)) return *wide;
    return WideFromAnsi(argument);
}

std::optional<ProfileFileContents> ReadProfileFileArgument(std::string_view argument, CliContext& context) {
    // Read a little past a profile file's size, so that a longer file is told apart.
    const FileContents contents = ReadWholeFile(WidePath(argument), kConfigFileBytes + 1);
    switch (contents.status) {
        case FileContents::Status::Missing:
            context.err << "ravixctl: " << argument << ": no such file\n";
            return std::nullopt;
        case FileContents::Status::NotRegular:
            context.err << "ravixctl: " << argument << ": not a regular file\n";
            return std::nullopt;
        case FileContents::Status::Unreadable:
            context.err << "ravixctl: " << argument << ": cannot be read\n";
            return std::nullopt;
        case FileContents::Status::TooLarge:
        case FileContents::Status::Ok:
            break;
    }
    if (contents.status != FileContents::Status::Ok || contents.bytes.size() != kConfigFileBytes) {
        context.err << "ravixctl: " << argument << ": not a profile file (a profile file has exactly "
                    << kConfigFileBytes << " bytes)\n";
        return std::nullopt;
    }
    ProfileFileContents profile;
    profile.firstRunFlag = contents.bytes[0];
    std::memcpy(&profile.settings, contents.bytes.data() + 1, sizeof(ProfileSettings));
    return profile;
}

std::optional<OperandAndSwitches> SplitOperand(CliArguments arguments, CliContext& context) {
    OperandAndSwitches split;
    bool found = false;
    for (std::string_view argument : arguments) {
        if (argument.starts_with("-")) {
            split.rest.push_back(argument);
        } else if (!found) {
            split.operand = argument;
            found = true;
        } else {
            context.err << "ravixctl: unexpected argument '" << argument << "'\n";
            return std::nullopt;
        }
    }
    if (!found) {
        context.err << "ravixctl: a file name is missing\n";
        return std::nullopt;
    }
    return split;
}

void StreamNotifier::ShowMessage(const std::wstring& text, const std::wstring& caption) {
    m_stream << "ravixctl: " << ToUtf8(caption) << ": " << ToUtf8(text) << '\n';
}

}  // namespace ravix
