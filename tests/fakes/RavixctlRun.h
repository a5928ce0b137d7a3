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

// Runs ravixctl in-process, as a user would type it, with its output kept.
class RavixctlRun : public ::testing::Test {
protected:
    int Run(std::vector<std::string_view> arguments) { return RunRavixctl(arguments, context); }

    std::ostringstream out, err;
    FakeClock clock;
    CliContext context{out, err, clock, {}};
};

}  // namespace ravix::testing_support
