#include <gtest/gtest.h>

#include <optional>

#include "core/dialogs/KeyCaptureDialogs.h"
#include "core/keys/UsKeyboardLayout.h"

namespace ravix {
namespace {

TEST(KeyCaptureDialogs, KeyReportsGiveTheKeysCodeAndTellTheKeypadEnterApart) {
    const UsKeyboardLayout layout;
    struct Case {
        std::uintptr_t key;
        std::intptr_t flags;
        std::optional<KeyCode> code;
    };
    const Case cases[] = {
        {0x74, 0, 0x3E},           // F5
        {0x0D, 1, 0x58},           // keypad Enter
        {0x0D, 0, 0x28},           // Enter
        {0x0D, 2, 0x28},           // only bit 0 is the extended flag
        {0xA0, 0, 0xE1},           // left Shift
        {0x10, 0, std::nullopt},   // the generic Shift has no code
        {0x141, 0, std::nullopt},  // not a virtual key
    };
    for (const Case& c : cases) EXPECT_EQ(KeyReportCode(c.key, c.flags, layout), c.code) << c.key;
}

TEST(KeyCaptureDialogs, TheModifierAreaCountsOnlyInTheComboDialog) {
    EXPECT_EQ(KeyDialogRegionAt({360, 10}, false), KeyDialogRegion::Close);
    EXPECT_EQ(KeyDialogRegionAt({260, 260}, true), KeyDialogRegion::Ok);
    EXPECT_EQ(KeyDialogRegionAt({320, 260}, false), KeyDialogRegion::Cancel);
    EXPECT_EQ(KeyDialogRegionAt({120, 75}, true), KeyDialogRegion::ModifierArea);
    EXPECT_EQ(KeyDialogRegionAt({120, 75}, false), KeyDialogRegion::None);
}

}  // namespace
}  // namespace ravix
