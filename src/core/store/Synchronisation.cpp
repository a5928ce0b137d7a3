#include "core/store/Synchronisation.h"

#include "core/device/CommandProtocol.h"
#include "core/store/DeviceImageBuild.h"
#include "core/store/ProfilePointerSettings.h"
#include "core/store/SettingsRanges.h"

namespace ravix {
namespace {

ConstBlock BlockOf(const DeviceImage::Block& block) {
    return ConstBlock(block);
}

ConstMacroSlots MacroSlotsOf(const DeviceImage& image) {
    return BytesOf(image).subspan<MacroSlotOffset(1), kMacroSlotCount * kDeviceBlockSize>();
}

void SaveProfileFiles(CurrentProfileFiles files, const ProfileSettings& settings) {
    // The labels are not written over a damaged file's text file either: they belong to it.
    if (SaveCurrentProfile(files.ports, files.state, settings) || !files.state.keepDamagedConfig)
        SaveLabels(files.ports, files.state.textPath, files.labelSection, files.text.labels);
}

// What follows every write to the mouse: the applied copy and the system's pointer settings.
void AfterWrite(SynchronisationContext& context) {
    context.records.applied = context.records.settings;
    ApplyPointerSettings(context.records.settings, context.pointer, context.files.ports.notifier);
}

}  // namespace

bool SendProfileToMouse(MouseConnection mouse, const ProfileSettings& edited, DeviceImage& image) {
    // Loading already brought every field into range; this keeps a value the pages cannot produce
    // from ever reaching the mouse, whatever path it came by.
    ProfileSettings settings = edited;
    BringIntoRange(settings);
    const std::uint8_t profile = settings.profile;
    if (profile >= DeviceImage::kProfiles) return false;
    // The pauses below are 2 to 20 ms: on a coarse scheduler tick each would last a whole tick.
    FinePausesScope finePauses(mouse.clock);

    image.header.currentProfile = profile;
    SelectProfile(mouse.link, mouse.clock, profile);
    image.header.reportRate = settings.reportRate;
    SetReportRate(mouse.link, mouse.clock, profile, settings.reportRate);
    // Each piece is built right before it is sent.
    BuildProfileBlock(settings, image);
    WriteProfileBlock(mouse.link, mouse.clock, BlockOf(image.profileBlocks[profile]));
    BuildButtonMap(settings, image);
    WriteButtonMap(mouse.link, mouse.clock, profile, BlockOf(image.buttonMap));
    CopyMacroSlots(settings, image);
    WriteMacroSlots(mouse.link, mouse.clock, MacroSlotsOf(image));
    return true;
}

bool FullWrite(MouseConnection mouse, CurrentProfileFiles files, const ProfileSettings& settings,
               DeviceImage& image) {
    if (!SendProfileToMouse(mouse, settings, image)) return false;
    SaveProfileFiles(files, settings);
    return true;
}

SaveOutcome SaveToMouse(SynchronisationContext& context, SynchronisationState& sync,
                        const std::function<void()>& beforeWrite) {
    if (sync.saveBusy) return SaveOutcome::IgnoredWhileBusy;
    sync.saveBusy = true;
    if (!context.mouse.link.connected) return SaveOutcome::NoMouse;
    if (beforeWrite) beforeWrite();
    FullWrite(context.mouse, context.files, context.records.settings, context.records.image);
    AfterWrite(context);
    return SaveOutcome::Written;
}

bool ResetToFactory(SynchronisationContext& context) {
    ProfileSettings& settings = context.records.settings;
    // A missing or damaged factory file has been reported; the edits stay, and nothing that the
    // user did not ask for is written to the mouse or the profile's files.
    if (!LoadFactorySettings(context.files.ports, context.files.state, settings)) return false;
    context.files.text =
        ReadProfileText(context.files.ports.ini, context.files.state.textPath, context.files.labelSection);
    if (context.mouse.link.connected) {
        FullWrite(context.mouse, context.files, settings, context.records.image);
        AfterWrite(context);
    }
    return true;
}

void CancelEdits(const ProfileSettings& applied, ProfileSettings& settings, SynchronisationState& sync) {
    settings = applied;
    sync.showReload = true;
}

bool LoadFactorySettings(const ProfileFilePorts& ports, ProfileFileState& state, ProfileSettings& settings) {
    const std::uint8_t profile = settings.profile;
    const ProfileFileState before = state;
    state.resetMode = true;
    const bool loaded = LoadCurrentProfile(ports, state, settings);
    state.resetMode = false;
    settings.profile = profile;
    if (!loaded) {
        // The current profile's files stay current, so that later label writes never land in
        // the factory text file.
        state.configPath = before.configPath;
        state.textPath = before.textPath;
    }
    return loaded;
}

bool ReloadCurrentProfile(CurrentProfileFiles files, ProfileSettings& settings) {
    const bool loaded = LoadCurrentProfile(files.ports, files.state, settings);
    files.text = ReadProfileText(files.ports.ini, files.state.textPath, files.labelSection);
    return loaded;
}

}  // namespace ravix
