#include <gtest/gtest.h>

#include "tests/conformance/KeyboardLayoutConformance.h"
#include "win/keys/Win32KeyboardLayout.h"

namespace ravix {
namespace {

// The system's layout under Wine on the test display is a US layout.
INSTANTIATE_TEST_SUITE_P(Win32, KeyboardLayoutConformance,
                         ::testing::Values(KeyboardLayoutImplementation{
                             "Win32", [] { return std::make_unique<Win32KeyboardLayout>(); }}),
                         KeyboardLayoutImplementationName);

// Names that every English system gives alike (the names of modifiers and editing keys differ
// between Windows and Wine, so the portable layout stands in for those).
TEST(Win32KeyboardLayout, NamesKeystrokesByTheirFlags) {
    const Win32KeyboardLayout layout;
    EXPECT_EQ(layout.KeystrokeName(0x1Eu << 16), L"A");
    EXPECT_EQ(layout.KeystrokeName(0x3Bu << 16), L"F1");
    EXPECT_EQ(layout.KeystrokeName(0x02u << 16), L"1");
    EXPECT_EQ(layout.KeystrokeName(0), L"");
}

TEST(Win32KeyboardLayout, LeftAndRightModifiersAreToldApart) {
    const Win32KeyboardLayout layout;
    EXPECT_EQ(layout.ScanCodeToVirtualKey(0x2A), 0xA0u);  // left Shift
    EXPECT_EQ(layout.ScanCodeToVirtualKey(0x36), 0xA1u);  // right Shift
    EXPECT_EQ(layout.ScanCodeToVirtualKey(0x1D), 0xA2u);  // left Ctrl
    EXPECT_EQ(layout.VirtualKeyToScanCode(0x41), 0x1Eu);
    EXPECT_EQ(layout.VirtualKeyToScanCode(0x07), 0u);  // a virtual key no key produces
}

}  // namespace
}  // namespace ravix
