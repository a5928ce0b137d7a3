#include "cli/ProfileCommands.h"

#include "cli/DeviceSession.h"
#include "cli/ProfileDescription.h"
#include "cli/ProfileFileInput.h"
#include "core/app/ApplicationSettings.h"
#include "core/device/ConnectSequence.h"
#include "core/platform/FileIo.h"
#include "core/platform/PortableIniFile.h"
#include "core/store/DeviceImageBuild.h"
#include "core/store/ProfileFiles.h"
#include "core/store/Synchronisation.h"

namespace ravix {
namespace {

bool CheckProfileNumber(std::string_view file, const ProfileSettings& settings, CliContext& context) {
    if (settings.profile < kMaxProfiles) return true;
    context.err << "ravixctl: " << file << ": profile number " << static_cast<int>(settings.profile)
                << " is not one of the mouse's six (0 to 5)\n";
    return false;
}

// The text file of a profile file: "strN.ini" beside "configN.bin" (and "str.ini" beside
// "config.bin"), as the program names them; otherwise the exported companion with ".ini".
std::wstring ProfileTextPath(const std::wstring& binPath) {
    const std::size_t nameStart = binPath.find_last_of(L"\\/") + 1;  // 0 without a folder
    const std::wstring folder = binPath.substr(0, nameStart), name = binPath.substr(nameStart);
    const bool programName = name.size() >= 10 && name.starts_with(L"config") && name.ends_with(L".bin") &&
                             (name.size() == 10 || (name.size() == 11 && name[6] >= L'0' && name[6] <= L'5'));
    if (programName) return folder + L"str" + name.substr(6, name.size() - 10) + L".ini";
    return binPath.substr(0, binPath.size() - (name.ends_with(L".bin") ? 4 : 0)) + L".ini";
}

// Saves the profile as the program does after writing it: the file with its first-run flag set,
// and on its first save the labels of its buttons in the language its text file names.
bool SaveProfileFile(const std::wstring& path, const ProfileFileContents& profile, CliContext& context) {
    PortableIniFile ini;
    PortableBinaryFiles files;
    StreamNotifier notifier(context.err);
    const ProfileFilePorts ports{path, ini, files, notifier};
    if (!WriteConfigFile(ports, path, profile.settings)) return false;
    ProfileFileState state;
    state.firstRunFlag = profile.firstRunFlag;
    state.textPath = ProfileTextPath(path);
    ButtonLabels labels;
    ApplyFirstRunLabels(ini, state, LanguageOf(ReadLanguage(ini, state.textPath)), labels);
    return true;
}

}  // namespace

int RunShowCommand(CliArguments arguments, CliContext& context) {
    const auto split = SplitOperand(arguments, context);
    if (!split || !ParseSwitches(split->rest, {}, context)) return kExitUsage;
    const auto profile = ReadProfileFileArgument(split->operand, context);
    if (!profile) return kExitFailed;
    for (const std::string& line : DescribeProfile(profile->firstRunFlag, profile->settings))
        context.out << line << '\n';
    return kExitOk;
}

int RunImageCommand(CliArguments arguments, CliContext& context) {
    if (arguments.size() != 3 || arguments[1] != "-o") {
        context.err << "ravixctl: usage: ravixctl image FILE.bin -o OUT\n";
        return kExitUsage;
    }
    const auto profile = ReadProfileFileArgument(arguments[0], context);
    if (!profile) return kExitFailed;
    if (!CheckProfileNumber(arguments[0], profile->settings, context)) return kExitFailed;
    DeviceImage image{};
    BuildImageForWrite(profile->settings, image);
    image.header.connectByte = kConnectByteValue;
    if (const int error = ReplaceFileAtomically(WidePath(arguments[2]), BytesOf(image)); error != 0) {
        context.err << "ravixctl: " << arguments[2] << ": cannot be written (error " << error << ")\n";
        return kExitFailed;
    }
    return kExitOk;
}

int RunSaveCommand(CliArguments arguments, CliContext& context) {
    const auto split = SplitOperand(arguments, context);
    if (!split) return kExitUsage;
    const auto switches = ParseSwitches(split->rest, {"--simulate", "--trace"}, context);
    if (!switches) return kExitUsage;
    const bool trace = switches->contains("--trace");
    const auto profile = ReadProfileFileArgument(split->operand, context);
    if (!profile) return kExitFailed;
    if (!CheckProfileNumber(split->operand, profile->settings, context)) return kExitFailed;

    const auto session = DeviceSession::Open(switches->contains("--simulate"), context);
    if (!session) return kExitNoHidBus;
    DeviceLink link;
    if (!session->Connect(link, context)) return kExitFailed;
    DeviceImage image{};
    std::uint8_t mouseProfile = 0;  // the file's profile is the one written
    ConnectSequence(link, BytesOf(image), mouseProfile);
    const std::uint32_t start = context.clock.TickCount();
    SendProfileToMouse({link, session->TracedClock()}, profile->settings, image);
    const std::uint32_t elapsed = context.clock.TickCount() - start;
    const bool saved = SaveProfileFile(WidePath(split->operand), *profile, context);

    if (trace) session->PrintLog(context.out);
    (trace ? context.err : context.out)
        << "Wrote profile " << static_cast<int>(profile->settings.profile) << " to the mouse in " << elapsed
        << " ms" << (saved ? " and saved " : "; could not save ") << split->operand << '\n';
    return saved ? kExitOk : kExitFailed;
}

}  // namespace ravix
