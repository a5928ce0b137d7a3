#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "cli/DeviceCommands.h"
#include "cli/DeviceSession.h"
#include "core/app/DeviceEventNotice.h"
#include "core/device/ConnectSequence.h"
#include "core/device/DeviceChange.h"
#include "core/device/Discovery.h"
#include "core/device/EventReport.h"
#include "core/platform/TextCodecs.h"

namespace ravix {
namespace {

// How long one read waits before the watch is asked for plug-ins and unplugs.
constexpr std::uint32_t kReadSliceMs = 500;

struct ListenOptions {
    bool simulate = false;
    std::uint64_t count = 0;  // 0: until interrupted
};

std::optional<ListenOptions> ParseListenOptions(CliArguments arguments, CliContext& context) {
    ListenOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == "--simulate") {
            options.simulate = true;
            continue;
        }
        if (arguments[index] == "--count" && index + 1 < arguments.size()) {
            const std::string_view number = arguments[++index];
            const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), options.count);
            if (error == std::errc() && end == number.data() + number.size() && options.count > 0) continue;
        }
        context.err << "ravixctl: usage: ravixctl listen [--simulate] [--count N], N at least 1\n";
        return std::nullopt;
    }
    return options;
}

// The mouse as the listener holds it: its interfaces, its image for the DPI reads, the notices.
class Listener {
public:
    Listener(DeviceSession& session, CliContext& context)
        : m_session(session), m_context(context), m_texts(TextCatalogueFor(Language::English)) {}

    // Connects and says whether the mouse is there.
    bool Start() {
        const bool found = m_session.Connect(m_link, m_context);
        Announce(found ? kMouseDetectedEvent : kMouseNotDetectedEvent);
        if (found) Reconnect();
        HearEvents();
        return found;
    }

    bool Listening() const { return m_link.connected && m_link.eventHandle; }

    // Waits up to `timeoutMs` for the next report; true when it was an event of the mouse (printed).
    std::optional<bool> ReadEvent(std::uint32_t timeoutMs) {
        std::vector<std::uint8_t> report(std::max<std::size_t>(m_link.eventInputReportLength, 4));
        const auto length = m_link.eventHandle->ReadReport(report, timeoutMs);
        if (!length) return std::nullopt;
        const auto event = ParseEventReport(std::span(report).first(std::min(*length, report.size())));
        if (!event) return false;
        Print(event->code, event->value);
        return true;
    }

    // Runs discovery again after a plug-in or unplug and says what it found.
    void Answer(SettledDeviceChange change) {
        const bool wasConnected = m_link.connected;
        m_link.eventHandle.reset();  // the old one is dead, or discovery opens it again
        const bool discovered = Discover(m_session.Bus(), m_link);
        const DeviceChangeResponse response = RespondToSettledChange(change, discovered, wasConnected);
        if (response.notice) Announce(*response.notice);
        m_link.connected = response.connected;
        if (response.reconnect) Reconnect();
        HearEvents();
    }

private:
    void Reconnect() {
        std::uint8_t profile = 0;
        ConnectSequence(m_link, m_image, profile);
    }

    // The search stops at the command interface; the listener needs the event one wherever it is.
    void HearEvents() {
        if (m_link.connected && !m_link.eventHandle) OpenEventInterface(m_session.Bus(), m_link);
    }

    void Announce(std::uint8_t code) {
        if (auto notice = HandleDeviceEvent(m_texts, code, 0, m_link, m_session.TracedClock(), m_image))
            m_context.out << Utf8FromWide(notice->text) << std::endl;
    }

    void Print(std::uint8_t code, std::uint8_t value) {
        const auto notice = HandleDeviceEvent(m_texts, code, value, m_link, m_session.TracedClock(), m_image);
        if (!notice) {
            m_context.out << "Event " << int{code} << " value " << int{value} << std::endl;
            return;
        }
        m_context.out << Utf8FromWide(notice->text);
        if (code >= kFirstDpiStageEvent && code <= kLastDpiStageEvent)
            m_context.out << " (profile " << int{m_image[kHeaderCurrentProfile]} << ')';
        m_context.out << std::endl;
    }

    DeviceSession& m_session;
    CliContext& m_context;
    TextCatalogue m_texts;
    DeviceLink m_link;
    std::array<std::uint8_t, kDeviceImageSize> m_image{};
};

// The next plug-in or unplug, with the others of the same burst gathered into it by the program's
// own settling rule.
SettledDeviceChange NextChange(DeviceWatch& watch, Clock& clock, std::uint32_t timeoutMs) {
    DeviceChangeSettler settler;
    DeviceChange change = watch.WaitForChange(timeoutMs);
    if (change == DeviceChange::Ignore) return settler.Take();
    std::uint32_t due = settler.Add(change, clock.TickCount());
    while (due > 0 && (change = watch.WaitForChange(due)) != DeviceChange::Ignore)
        due = settler.Add(change, clock.TickCount());
    return settler.Take();
}

}  // namespace

int RunListenCommand(CliArguments arguments, CliContext& context) {
    const auto options = ParseListenOptions(arguments, context);
    if (!options) return kExitUsage;
    const auto session = DeviceSession::Open(options->simulate, context);
    if (!session) return kExitNoHidBus;
    const std::unique_ptr<DeviceWatch> watch = session->Bus().WatchChanges();

    Listener listener(*session, context);
    if (!listener.Start() && !watch) return kExitFailed;
    for (std::uint64_t events = 0;;) {
        if (listener.Listening()) {
            const std::uint32_t start = context.clock.TickCount();
            const auto read = listener.ReadEvent(watch ? kReadSliceMs : EventChannel::kWaitForever);
            if (read && *read && ++events == options->count) return kExitOk;
            if (read) continue;
            // A read that ends at once has lost the mouse; without a watch it cannot come back.
            if (!watch) {
                context.err << "ravixctl: the mouse's event interface can no longer be read\n";
                return kExitFailed;
            }
            if (context.clock.TickCount() - start >= kReadSliceMs) continue;
        } else if (!watch) {
            context.err << "ravixctl: the mouse's event interface was not found\n";
            return kExitFailed;
        }
        if (const SettledDeviceChange change = NextChange(*watch, context.clock, kReadSliceMs);
            change.last != DeviceChange::Ignore)
            listener.Answer(change);
    }
}

}  // namespace ravix
