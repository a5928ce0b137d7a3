// libFuzzer target: any bytes either parse into collections whose lengths fit their reports, or are
// refused with a reason; the parser never reads past the bytes it is given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "linux/device/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ravix::linux_hid;
    // An exact-size copy, so that the sanitizer sees any read past the end.
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::string reason;
    const auto parsed = ParseReportDescriptor(std::span(bytes), &reason);
    if (!parsed) {
        if (reason.empty()) std::abort();
        return 0;
    }
    if (parsed->collections.empty()) std::abort();
    for (const TopLevelCollection& collection : parsed->collections) {
        for (std::uint8_t id : collection.inputReportIds)
            if (id == 0 || !parsed->numberedReports) std::abort();
    }
    return 0;
}
