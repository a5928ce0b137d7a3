// The conformance suite of the BinaryFiles port against the portable implementation.
#include "tests/conformance/BinaryFilesConformance.h"

INSTANTIATE_TEST_SUITE_P(Portable, BinaryFilesConformance,
                         ::testing::Values(BinaryFilesImplementation{
                             "Portable", [] { return std::make_unique<ravix::PortableBinaryFiles>(); }}),
                         BinaryFilesImplementationName);
