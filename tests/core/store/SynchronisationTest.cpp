#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "core/device/Discovery.h"
#include "core/store/DeviceImageBuild.h"
#include "core/store/Synchronisation.h"
#include "sim/SimulatedBus.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakePointerSettings.h"
#include "tests/fakes/ProfileFolder.h"
#include "tests/fakes/TransferOutline.h"

namespace ravix {
namespace {

using ::testing::ElementsAreArray;
using testing_support::FakeClock;
using testing_support::FullWriteOutline;
using testing_support::Outline;

// A settings record whose every part is recognisable on the mouse.
ProfileSettings EditedSettings(std::uint8_t profile) {
    ProfileSettings settings{};
    settings.profile = profile;
    settings.reportRate = 2;
    settings.dpiLevel = {16, 32, 48, 64, 80, 100};
    settings.lightingEffect = 2;
    settings.standardBrightness = 1;
    settings.breathingPeriod = 3;
    settings.spectrumPeriod = 1;
    settings.angleSnap = 1;
    settings.xSensitivity = settings.ySensitivity = 5;
    settings.pointerSpeed = 6;
    settings.wheelScrollLines = 3;
    settings.doubleClickSpeed = 7;
    settings.actionType = {0, 1, 2, 2, 2, 6, 3, 4};
    settings.wheelChoice = {0, 0, 1, 2, 3, 0, 0, 0};
    settings.dpiChoice[5] = 3;
    for (std::size_t slot = 0; slot < settings.macroSlots.size(); ++slot)
        settings.macroSlots[slot].fill(static_cast<std::uint8_t>(0x40 + slot));
    return settings;
}

bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// The program's records, the simulated mouse and the profile files of one folder.
class Synchronisation : public ProfileFolder {
protected:
    void SetUp() override {
        ProfileFolder::SetUp();
        ASSERT_TRUE(Discover(bus, link));
        link.connected = true;
        WriteList({L"PROFILE_0", L"Two", L"Three", L"Four"}, L"Four", L"4");
        settings = EditedSettings(3);
        WriteConfig(L"config3.bin", settings, 0);
        state.listIndex = 3;
        text.labels = {L"L1", L"L2", L"L3", L"L4", L"L5", L"L6", L"L7", L"L8"};
    }

    SynchronisationContext Context() {
        ports.emplace(Ports());
        return {{link, clock}, {*ports, state, text, L"Setting-EN"}, {settings, applied, image}, pointer};
    }

    SimulatedMouse mouse;
    SimulatedBus bus{mouse};
    DeviceLink link;
    FakeClock fakeClock;
    TracingClock clock{fakeClock, mouse.Log()};
    FakePointerSettings pointer;
    std::optional<ProfileFilePorts> ports;
    ProfileFileState state;
    ProfileText text;
    ProfileSettings settings{}, applied{};
    DeviceImage image{};
    SynchronisationState sync;
};

TEST_F(Synchronisation, FullWriteOfProfile3SendsEveryPieceInOrderWithItsPauses) {
    auto context = Context();
    ASSERT_TRUE(FullWrite(context.mouse, context.files, settings, image));

    EXPECT_THAT(Outline(mouse.Log().Lines()), ElementsAreArray(FullWriteOutline(3, 2)));
    EXPECT_EQ(fakeClock.TotalPaused(), 832u);
    EXPECT_EQ(mouse.RejectedFrames(), 0u);
    // The image holds what was sent, and the mouse stored it where it belongs.
    DeviceImage expected{};
    ASSERT_TRUE(BuildImageForWrite(settings, expected));
    EXPECT_EQ(image.header.currentProfile, 3);
    EXPECT_EQ(image.header.reportRate, 2);
    EXPECT_EQ(image.profileBlocks[3], expected.profileBlocks[3]);
    EXPECT_EQ(image.buttonMap, expected.buttonMap);
    EXPECT_EQ(mouse.CurrentProfile(), 3);
    EXPECT_TRUE(SameBytes(mouse.ProfileBlock(3), expected.profileBlocks[3]));
    EXPECT_TRUE(SameBytes(mouse.ButtonMap(), expected.buttonMap));
    for (std::size_t slot = 1; slot <= 12; ++slot)
        EXPECT_TRUE(SameBytes(mouse.MacroSlot(slot), settings.macroSlots[slot - 1])) << slot;
}

TEST_F(Synchronisation, FullWriteAsksForFinePausesForItsWholeLength) {
    auto context = Context();
    FullWrite(context.mouse, context.files, settings, image);
    EXPECT_EQ(fakeClock.fineRequests, 1);
    EXPECT_EQ(fakeClock.fineDepth, 0);
    EXPECT_EQ(fakeClock.coarsePauses, 0);
}

TEST_F(Synchronisation, FullWriteSavesTheProfileFileAndItsLabels) {
    auto context = Context();
    FullWrite(context.mouse, context.files, settings, image);
    EXPECT_EQ(StoredSettings(L"config3.bin"), settings);  // first-run flag now 1
    EXPECT_EQ(m_ini.ReadString(Path(L"str3.ini"), L"Setting-EN", L"Item8"), L"L8");
}

TEST_F(Synchronisation, FullWriteOfAProfileNumberBeyondTheSixSendsAndSavesNothing) {
    settings.profile = 6;
    auto context = Context();
    EXPECT_FALSE(FullWrite(context.mouse, context.files, settings, image));
    EXPECT_TRUE(mouse.Log().Lines().empty());
    EXPECT_EQ(Contents(L"config3.bin")[0], 0);
}

TEST_F(Synchronisation, SaveWritesRefreshesTheAppliedCopyAndAppliesThePointerSettings) {
    auto context = Context();
    int waits = 0;
    EXPECT_EQ(SaveToMouse(context, sync, [&] { ++waits; }), SaveOutcome::Written);
    EXPECT_EQ(waits, 1);
    EXPECT_TRUE(sync.saveBusy);
    EXPECT_EQ(applied, settings);
    EXPECT_THAT(pointer.calls, ElementsAreArray({"SETMOUSE 0 0 0", "SETMOUSESPEED 10",
                                                 "SETWHEELSCROLLLINES 3", "SETDOUBLECLICKTIME 480"}));
    EXPECT_EQ(Outline(mouse.Log().Lines()).size(), FullWriteOutline(3, 2).size());
}

TEST_F(Synchronisation, TwoSavesWithinTheBusyPeriodWriteOnce) {
    auto context = Context();
    EXPECT_EQ(SaveToMouse(context, sync), SaveOutcome::Written);
    const std::size_t afterFirst = mouse.Log().Lines().size();
    settings.dpiLevel[0] = 99;
    EXPECT_EQ(SaveToMouse(context, sync), SaveOutcome::IgnoredWhileBusy);
    EXPECT_EQ(mouse.Log().Lines().size(), afterFirst);
    EXPECT_NE(applied, settings);

    sync.saveBusy = false;  // the busy period is over
    EXPECT_EQ(SaveToMouse(context, sync), SaveOutcome::Written);
    EXPECT_EQ(mouse.Log().Lines().size(), 2 * afterFirst);
    EXPECT_EQ(applied, settings);
}

TEST_F(Synchronisation, SaveWithoutTheMouseSendsAndSavesNothingButStartsTheBusyPeriod) {
    link.connected = false;
    auto context = Context();
    int waits = 0;
    EXPECT_EQ(SaveToMouse(context, sync, [&] { ++waits; }), SaveOutcome::NoMouse);
    EXPECT_TRUE(sync.saveBusy);
    EXPECT_EQ(waits, 0);
    EXPECT_TRUE(mouse.Log().Lines().empty());
    EXPECT_EQ(Contents(L"config3.bin")[0], 0);  // not rewritten
    EXPECT_FALSE(m_ini.FileExists(Path(L"str3.ini")));
    EXPECT_EQ(applied, ProfileSettings{});
    EXPECT_TRUE(pointer.calls.empty());
}

// The factory files of a reset: settings marked 0x77 (1000 Hz), labels "F1".."F8".
class Reset : public Synchronisation {
protected:
    void SetUp() override {
        Synchronisation::SetUp();
        ProfileSettings factory = Marked(0x77);
        factory.profile = 0;
        WriteConfig(L"config.bin", factory, 0);
        for (int i = 1; i <= 8; ++i)
            m_ini.WriteString(Path(L"str.ini"), L"Setting-EN", L"Item" + std::to_wstring(i),
                             L"F" + std::to_wstring(i));
        m_ini.WriteString(Path(L"str.ini"), L"Skins", L"Path", L"Factory");
        expected = factory;
        expected.profile = 3;
        expected.macroSlots = settings.macroSlots;
    }
    ProfileSettings expected{};
};

TEST_F(Reset, KeepsTheMacroSlotImagesAndTheProfileNumberAndWritesTheResult) {
    auto context = Context();
    ASSERT_TRUE(ResetToFactory(context));
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(applied, expected);
    EXPECT_EQ(text.labels[0], L"F1");
    EXPECT_EQ(text.skin.path, L"Factory");
    // Into the mouse and into the current profile's own files, never the factory ones.
    EXPECT_THAT(Outline(mouse.Log().Lines()), ElementsAreArray(FullWriteOutline(3, 1)));
    EXPECT_TRUE(SameBytes(mouse.MacroSlot(1), settings.macroSlots[0]));
    EXPECT_EQ(StoredSettings(L"config3.bin"), expected);
    EXPECT_EQ(m_ini.ReadString(Path(L"str3.ini"), L"Setting-EN", L"Item1"), L"F1");
    EXPECT_EQ(state.textPath, Path(L"str3.ini"));
    EXPECT_EQ(Contents(L"config.bin")[0], 0);
    EXPECT_EQ(pointer.calls.size(), 4u);
}

TEST_F(Reset, WithoutTheMouseChangesOnlyTheRecord) {
    link.connected = false;
    auto context = Context();
    ASSERT_TRUE(ResetToFactory(context));
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(applied, ProfileSettings{});
    EXPECT_EQ(text.labels[7], L"F8");
    EXPECT_TRUE(mouse.Log().Lines().empty());
    EXPECT_EQ(Contents(L"config3.bin")[0], 0);
    EXPECT_FALSE(m_ini.FileExists(Path(L"str3.ini")));
    EXPECT_TRUE(pointer.calls.empty());
}

TEST_F(Reset, WithoutTheFactoryFileKeepsTheEditsAndSendsNothing) {
    std::filesystem::remove(m_folder / "config.bin");
    state.configPath = Path(L"config3.bin");
    state.textPath = Path(L"str3.ini");
    const ProfileSettings edited = settings;
    auto context = Context();
    EXPECT_FALSE(ResetToFactory(context));
    EXPECT_EQ(settings, edited);
    EXPECT_EQ(text.labels[0], L"L1");
    EXPECT_TRUE(mouse.Log().Lines().empty());
    ASSERT_EQ(m_notifier.messages.size(), 1u);
    EXPECT_EQ(m_notifier.messages[0].text, L"Config file is not exist.");
    // Later label writes still go to the current profile's text file.
    EXPECT_EQ(state.textPath, Path(L"str3.ini"));
    EXPECT_EQ(state.configPath, Path(L"config3.bin"));
}

TEST_F(Synchronisation, ProfileSwitchReloadsTheFilesAndSendsNothing) {
    ProfileSettings other = EditedSettings(1);
    other.dpiLevel[0] = 42;
    WriteConfig(L"config1.bin", other);
    m_ini.WriteString(Path(L"str1.ini"), L"Setting-EN", L"Item1", L"Other");
    WriteList({L"PROFILE_0", L"Two", L"Three", L"Four"}, L"Two", L"4");
    applied = settings;
    auto context = Context();
    ASSERT_TRUE(ReloadCurrentProfile(context.files, settings));
    EXPECT_EQ(settings, other);
    EXPECT_EQ(state.listIndex, 1);
    EXPECT_EQ(text.labels[0], L"Other");
    EXPECT_EQ(applied, EditedSettings(3));
    EXPECT_TRUE(mouse.Log().Lines().empty());
}

TEST(CancelEdits, RestoresTheAppliedSettingsAndAsksForAReload) {
    ProfileSettings applied{}, edited{};
    applied.dpiLevel[0] = 16;
    edited.dpiLevel[0] = 64;
    SynchronisationState sync;
    CancelEdits(applied, edited, sync);
    EXPECT_EQ(edited, applied);
    EXPECT_TRUE(sync.showReload);
}

}  // namespace
}  // namespace ravix
