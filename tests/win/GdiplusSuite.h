#pragma once

// clang-format off
#include <windows.h>
#include <gdiplus.h>
// clang-format on

#include <gtest/gtest.h>

namespace ravix::win::test_support {

// A test suite that draws through GDI+, as the program does after its start-up: GDI+ runs from the
// suite's first test to its last.
class GdiplusSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(m_token); }

private:
    static inline ULONG_PTR m_token = 0;
};

}  // namespace ravix::win::test_support
