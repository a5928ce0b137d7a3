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
    const auto switches = ParseSwitches(arguments, {"--simulate", "--trace"}, context);
    if (!switches) return kExitUsage;
    const bool trace = switches->contains("--trace");
    const auto session = DeviceSession::Open(switches->contains("--simulate"), context);
    if (!session) return kExitNoHidBus;

    DeviceLink link;
    if (!session->Connect(link, context)) return kExitFailed;
    std::array<std::uint8_t, kDeviceImageSize> deviceImage{};
    std::uint8_t settingsProfile = 0;
    ConnectSequence(link, deviceImage, settingsProfile);
    (trace ? context.err : context.out) << "Current profile: " << static_cast<int>(settingsProfile) << '\n';
    if (trace) session->PrintLog(context.out);
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
    const auto switches = ParseSwitches(arguments.subspan(1), {"--simulate", "--trace"}, context);
    if (!switches) return kExitUsage;
    const bool trace = switches->contains("--trace");
    const auto session = DeviceSession::Open(switches->contains("--simulate"), context);
    if (!session) return kExitNoHidBus;

    DeviceLink link;
    if (!session->Connect(link, context)) return kExitFailed;
    std::array<std::uint8_t, kDeviceImageSize> deviceImage{};
    std::uint8_t previous = 0;
    ConnectSequence(link, deviceImage, previous);
    SelectProfile(link, session->TracedClock(), static_cast<std::uint8_t>(profile));
    const std::uint8_t current = ReadCurrentProfile(link);
    if (trace) session->PrintLog(context.out);
    if (current != profile) {
        context.err << "ravixctl: the mouse stayed on profile " << static_cast<int>(current) << '\n';
        return kExitFailed;
    }
    (trace ? context.err : context.out) << "Current profile: " << profile << '\n';
    return kExitOk;
}

}  // namespace ravix
