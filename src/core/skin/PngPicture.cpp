#include "core/skin/PngPicture.h"

#include <climits>
#include <cstdlib>
#include <utility>

#include "core/platform/FileIo.h"

// The PNG reader is stb_image, from the system's packages, compiled here once with only its PNG
// decoder and without its file functions: the program reads files itself.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS ravix::kMaxPngSide
// Its blocks are freed by the picture with std::free.
#define STBI_MALLOC std::malloc
#define STBI_REALLOC std::realloc
#define STBI_FREE std::free
#include <stb_image.h>

namespace ravix {
namespace {

bool Fits(std::span<const std::uint8_t> file) { return !file.empty() && file.size() <= INT_MAX; }

}  // namespace

std::optional<PngPicture> DecodePng(std::span<const std::uint8_t> file) {
    if (!Fits(file)) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    PngPicture picture;
    picture.pixels.reset(
        stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 4));
    if (!picture.pixels || width <= 0 || height <= 0) return std::nullopt;
    picture.width = width;
    picture.height = height;
    // The decoder gives red, green, blue, alpha: swap red and blue in place.
    const std::span<std::uint8_t> pixels = picture.Bgra();
    std::uint8_t opaque = 0xFF;
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        std::swap(pixels[i], pixels[i + 2]);
        opaque &= pixels[i + 3];
    }
    picture.alpha = opaque != 0xFF;
    return picture;
}
std::optional<PngSize> PngSizeOf(std::span<const std::uint8_t> file) {
    if (!Fits(file)) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels) ||
        width <= 0 || height <= 0)
        return std::nullopt;
    return PngSize{width, height};
}

std::optional<PngPicture> ReadPngFile(std::wstring_view path) {
    const FileContents contents = ReadWholeFile(path, kMaxPngFileBytes);
    if (contents.status != FileContents::Status::Ok) return std::nullopt;
    return DecodePng(contents.bytes);
}

std::optional<PngSize> ReadPngSize(std::wstring_view path) {
    const FileContents contents = ReadWholeFile(path, kMaxPngFileBytes);
    if (contents.status != FileContents::Status::Ok) return std::nullopt;
    return PngSizeOf(contents.bytes);
}

}  // namespace ravix
