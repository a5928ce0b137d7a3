// libFuzzer target: any file given as a skin picture either is refused or decodes into whole
// pixels of a size within the limits, and its header alone tells the same size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/skin/PngPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ravix;
    const std::span<const std::uint8_t> file(data, size);
    const auto picture = DecodePng(file);
    if (!picture) return 0;
    if (picture->width < 1 || picture->height < 1 || picture->width > kMaxPngSide || picture->height > kMaxPngSide)
        std::abort();
    const auto header = PngSizeOf(file);
    if (!header || header->width != picture->width || header->height != picture->height) std::abort();
    std::uint8_t opaque = 0xFF;
    for (std::size_t i = 3; i < picture->Bgra().size(); i += 4) opaque &= picture->Bgra()[i];
    if ((opaque != 0xFF) != picture->alpha) std::abort();
    return 0;
}
