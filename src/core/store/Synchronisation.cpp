#include "core/store/Synchronisation.h"

namespace ravix {

void CancelEdits(const ProfileSettings& applied, ProfileSettings& settings, SynchronisationState& sync) {
    settings = applied;
    sync.showReload = true;
}

bool LoadFactorySettings(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings) {
    const std::uint8_t profile = settings.profile;
    state.resetMode = true;
    const bool loaded = LoadCurrentProfile(ports, state, settings);
    state.resetMode = false;
    settings.profile = profile;
    return loaded;
}

}  // namespace ravix
