#include <iostream>
#include <string_view>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/SystemBus.h"
#include "cli/SystemClock.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto clock = ravix::OpenSystemClock();
    ravix::CliContext context{std::cout, std::cerr, *clock, [] { return ravix::OpenSystemHidBus(std::cerr); }};
    return ravix::RunRavixctl(arguments, context);
}
