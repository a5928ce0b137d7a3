#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "cli/CliCommand.h"

namespace ravix::testing_support {

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// ravixctl run in-process, as a user would type it, with its output kept; for fixtures that
// already have a base of their own.
struct RavixctlStreams {
    int Run(std::vector<std::string_view> arguments) { return RunRavixctl(arguments, context); }

    std::ostringstream out, err;
    FakeClock clock;
    CliContext context{out, err, clock, {}};
};

// (The test's own Run is the framework's: name this one.)
class RavixctlRun : public ::testing::Test, protected RavixctlStreams {
protected:
    using RavixctlStreams::Run;
};

}  // namespace ravix::testing_support
