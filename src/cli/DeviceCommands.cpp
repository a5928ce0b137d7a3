#include "cli/DeviceCommands.h"

#include <array>

#include "cli/DeviceSession.h"
#include "core/device/ConnectSequence.h"
#include "core/device/Discovery.h"
#include "core/device/DiscoveryText.h"

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
    const DiscoveryOutcome outcome = DiscoverDevice(session->Bus(), link);
    if (outcome != DiscoveryOutcome::Found) {
        context.err << "ravixctl: " << DescribeOutcome(outcome) << '\n';
        return kExitFailed;
    }
    std::array<std::uint8_t, kDeviceImageSize> deviceImage{};
    std::uint8_t settingsProfile = 0;
    ConnectSequence(link, deviceImage, settingsProfile);
    (trace ? context.err : context.out) << "Current profile: " << static_cast<int>(settingsProfile) << '\n';
    if (trace) session->PrintLog(context.out);
    return kExitOk;
}

}  // namespace ravix
