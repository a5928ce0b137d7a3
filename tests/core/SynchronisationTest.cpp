#include <gtest/gtest.h>

#include "ProfileFolder.h"
#include "core/store/Synchronisation.h"

namespace ravix {
namespace {

using Reset = ProfileFolder;

TEST_F(Reset, KeepsTheMacroSlotImagesAndTheProfileNumber) {
    ProfileSettings factory = Marked(0x77);
    factory.profile = 0;
    WriteConfig(L"config.bin", factory, 0);
    ini_.WriteString(Path(L"str.ini"), L"Setting-EN", L"Item1", L"Click");

    ProfileFileState state;
    state.listIndex = 3;
    ProfileSettings settings = Marked(0x33);
    settings.profile = 3;
    ASSERT_TRUE(LoadFactorySettings(Ports(), state, settings));

    ProfileSettings expected = factory;
    expected.profile = 3;
    expected.macroSlots = Marked(0x33).macroSlots;
    EXPECT_EQ(settings, expected);
    EXPECT_FALSE(state.resetMode);
    EXPECT_EQ(ReadProfileText(ini_, state.textPath, L"Setting-EN").labels[0], L"Click");
}

TEST_F(Reset, WithoutTheFactoryFileNothingChanges) {
    ProfileFileState state;
    ProfileSettings settings = Marked(0x33);
    EXPECT_FALSE(LoadFactorySettings(Ports(), state, settings));
    EXPECT_EQ(settings, Marked(0x33));
    EXPECT_EQ(notifier_.messages.size(), 1u);
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
