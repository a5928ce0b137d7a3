#include "win/app/MouseLink.h"

#include <optional>

#include "core/device/ConnectSequence.h"
#include "core/device/Discovery.h"
#include "core/platform/BinaryFiles.h"
#include "core/store/ProfileFiles.h"
#include "win/app/Messages.h"

namespace ravix::win {

void MouseLink::ConnectAtStartUp() {
    if (!Discover(m_ports.hidBus, m_state.deviceLink)) {
        m_state.deviceLink.connected = false;
        return;
    }
    // The profile was loaded before the search. The number edited stays the one the load gave, as
    // when the file is read after the mouse has been found, except where such a load keeps the
    // mouse's number: for a profile without a file, when the mouse's number is one of the six.
    const std::uint8_t loadedProfile = m_state.profileSettings.profile;
    Connect();
    const bool loadKeepsMouseProfile = !m_ports.binaryFiles.Exists(m_state.store.files.configPath) &&
                                       m_state.profileSettings.profile < kMaxProfiles;
    if (loadKeepsMouseProfile)
        m_state.store.appliedSettings.profile = m_state.profileSettings.profile;
    else
        m_state.profileSettings.profile = loadedProfile;
    ResumeListener();
}

void MouseLink::Connect() {
    m_state.deviceLink.connected = true;
    ConnectSequence(m_state.deviceLink, BytesOf(m_state.deviceImage), m_state.profileSettings.profile);
}

bool MouseLink::Search() {
    // The search may replace or close the event interface the listener reads.
    std::optional<EventListener::ChannelHold> hold;
    if (m_listener) hold.emplace(*m_listener);
    return Discover(m_ports.hidBus, m_state.deviceLink);
}

bool MouseLink::StartListener() {
    ProgramState& state = m_state;
    m_listener =
        std::make_unique<EventListener>(m_state.deviceLink, [&state](std::uint8_t code, std::uint8_t value) {
            SendMessageW(state.eventWindow, WM_DEVICE_EVENT, code, value);
        });
    if (!m_listener->CreateWakeEvent()) {
        m_listener.reset();
        return false;
    }
    if (m_listener->CreateThread() && m_state.deviceLink.connected) m_listener->Resume();
    return true;
}

void MouseLink::ResumeListener() {
    if (m_listener) m_listener->Resume();
}

void MouseLink::Close() {
    std::optional<EventListener::ChannelHold> hold;
    if (m_listener) hold.emplace(*m_listener);
    m_state.deviceLink.commandHandle.reset();
    m_state.deviceLink.eventHandle.reset();
    m_state.deviceLink.connected = false;
}

}  // namespace ravix::win
