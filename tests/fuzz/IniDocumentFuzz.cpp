// libFuzzer target: any bytes parse into a document whose sections and values can be read, changed
// and written back without a crash, and whose written form parses to the same sections.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/platform/IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ravix;
    IniDocument document = IniDocument::Parse(std::span(data, size));
    const auto names = document.SectionNames();
    for (const auto& name : names) (void)document.Value(name, L"ItemCount");
    if (!names.empty()) {
        document.Set(names.front(), L"MacroLoopTimes", L"1");
        document.DeleteSection(names.back());
    }
    document.Set(L"Macro-0", L"Item0", L"A   Dn");
    const auto bytes = document.Serialize();
    const IniDocument reread = IniDocument::Parse(bytes);
    if (reread.SectionNames() != document.SectionNames()) std::abort();
    return 0;
}
