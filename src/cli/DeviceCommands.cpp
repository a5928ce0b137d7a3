#include "cli/DeviceCommands.h"

#include <array>
#include <charconv>

#include "cli/DeviceSession.h"
#include "core/device/CommandProtocol.h"
#include "core/device/ConnectSequence.h"
#include "core/device/Discovery.h"
#include "core/device/DiscoveryText.h"
#include "core/store/ProfileFiles.h"

namespace ravix {
namespace {

// The mouse of a command that talks to it, after discovery and the connect sequence.
struct ConnectedMouse {
    std::unique_ptr<DeviceSession> session;
    DeviceLink link;
    std::uint8_t profile = 0;  // the current profile the mouse reported
    bool trace = false;
};

// Takes the switches --simulate and --trace, connects, and gives the exit code: kExitOk when the
// mouse is connected.
int Connect(CliArguments arguments, CliContext& context, ConnectedMouse& mouse) {
    const auto switches = ParseSwitches(arguments, {"--simulate", "--trace"}, context);
    if (!switches) return kExitUsage;
    mouse.trace = switches->contains("--trace");
    mouse.session = DeviceSession::Open(switches->contains("--simulate"), context);
    if (!mouse.session) return kExitNoHidBus;
    if (!mouse.session->Connect(mouse.link, context)) return kExitFailed;
    std::array<std::uint8_t, kDeviceImageSize> deviceImage{};
    ConnectSequence(mouse.link, deviceImage, mouse.profile);
    return kExitOk;
}

}  // namespace

int RunDevicesCommand(CliArguments arguments, CliContext& context) {
    const auto switches = ParseSwitches(arguments, {"--simulate"}, context);
    if (!switches) return kExitUsage;
    const auto session = DeviceSession::Open(switches->contains("--simulate"), context);
    if (!session) return kExitNoHidBus;

    DeviceLink link;
    const DiscoveryOutcome outcome = DiscoverDevice(
        session->Bus(), link,
        [&](const ExaminedInterface& examined) { context.out << DescribeInterface(examined) << '\n'; });
    context.out << DescribeOutcome(outcome) << '\n';
    return outcome == DiscoveryOutcome::Found ? kExitOk : kExitFailed;
}

int RunConnectCommand(CliArguments arguments, CliContext& context) {
    ConnectedMouse mouse;
    if (const int exit = Connect(arguments, context, mouse); exit != kExitOk) return exit;
    (mouse.trace ? context.err : context.out) << "Current profile: " << int{mouse.profile} << '\n';
    if (mouse.trace) mouse.session->PrintLog(context.out);
    return kExitOk;
}

int RunProfileCommand(CliArguments arguments, CliContext& context) {
    unsigned profile = kMaxProfiles;
    if (!arguments.empty() && arguments[0].size() == 1)
        std::from_chars(arguments[0].data(), arguments[0].data() + 1, profile);
    if (profile >= kMaxProfiles) {
        context.err << "ravixctl: usage: ravixctl profile N [--simulate] [--trace], N one of the mouse's "
                       "profiles 0 to 5\n";
        return kExitUsage;
    }
    ConnectedMouse mouse;
    if (const int exit = Connect(arguments.subspan(1), context, mouse); exit != kExitOk) return exit;
    SelectProfile(mouse.link, mouse.session->TracedClock(), static_cast<std::uint8_t>(profile));
    const std::uint8_t current = ReadCurrentProfile(mouse.link);
    if (mouse.trace) mouse.session->PrintLog(context.out);
    if (current != profile) {
        context.err << "ravixctl: the mouse stayed on profile " << int{current} << '\n';
        return kExitFailed;
    }
    (mouse.trace ? context.err : context.out) << "Current profile: " << profile << '\n';
    return kExitOk;
}

}  // namespace ravix
