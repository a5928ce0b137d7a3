// The conformance suite of the IniFile port against the adapter over the system's private-profile
// functions (natively it runs against the portable implementation).
#include "tests/conformance/IniFileConformance.h"
#include "win/platform/WinIniFile.h"

INSTANTIATE_TEST_SUITE_P(Win32, IniFileConformance,
                         ::testing::Values(IniFileImplementation{
                             "Win32", [] { return std::make_unique<ravix::win::WinIniFile>(); }}),
                         IniFileImplementationName);
