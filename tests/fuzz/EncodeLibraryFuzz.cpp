// libFuzzer target: any library file is listed, loaded and encoded without reading or writing out of
// bounds, and every slot keeps its events within bytes 2..127.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "DocumentIniFile.h"
#include "core/macros/MacroLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ravix;
    DocumentIniFile ini(IniDocument::Parse(std::span(data, size)));
    const MacroLibrary library(ini, L"record.ini");
    const std::size_t listed = library.List().size();
    const MacroEncoding encoding = EncodeLibrary(library, listed);
    for (const MacroCut& cut : encoding.cuts) {
        if (cut.slotIndex >= kMacroSlotCount || cut.eventsKept >= cut.eventsInMacro) std::abort();
    }
    for (std::size_t k = listed; k < kMacroSlotCount; ++k) {
        if (!(encoding.image.slots[k] == MacroSlot{})) std::abort();
    }
    return 0;
}
