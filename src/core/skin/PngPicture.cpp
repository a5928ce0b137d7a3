#include "core/skin/PngPicture.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

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

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkHeaderBytes = 8, kChunkFrameBytes = 12;  // length and type; and the CRC

std::uint32_t Big32(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

bool IsType(const std::uint8_t* chunk, const char* type) { return std::memcmp(chunk + 4, type, 4) == 0; }

// The chunks both readers see. Empty image-data chunks are allowed but carry nothing and are left
// out: the decoder would copy their nothing into a block it has not allocated yet. Both readers see
// the same chunks, so the header alone never tells a different story from the whole file. The walk
// stops at a chunk that claims more bytes than the file holds and notes it: the decoder must refuse
// such a file, because it would allocate what the chunk claims before finding the bytes missing
// (a small damaged file could make it ask for gigabytes), while the header may still be read.
struct ChunkView {
    std::span<const std::uint8_t> bytes;
    bool overruns = false;
};

// None when the file does not begin with the header chunk, as a PNG must.
std::optional<ChunkView> ViewChunks(std::span<const std::uint8_t> file, std::vector<std::uint8_t>& copy) {
    std::vector<std::pair<std::size_t, std::size_t>> kept;  // offset and length of each chunk kept
    bool dropped = false, overruns = false;
    std::size_t at = kSignatureBytes;
    while (at + kChunkHeaderBytes <= file.size()) {
        if (at == kSignatureBytes && !IsType(file.data() + at, "IHDR")) return std::nullopt;
        const std::size_t length = Big32(file.data() + at);
        if (file.size() - at < kChunkFrameBytes || length > file.size() - at - kChunkFrameBytes) {
            overruns = true;
            break;
        }
        const bool end = IsType(file.data() + at, "IEND");
        if (length == 0 && IsType(file.data() + at, "IDAT"))
            dropped = true;
        else
            kept.emplace_back(at, length + kChunkFrameBytes);
        at += length + kChunkFrameBytes;
        if (end) break;
    }
    if (!dropped) return ChunkView{file, overruns};
    copy.assign(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(std::min(file.size(), kSignatureBytes)));
    for (const auto& [offset, length] : kept)
        copy.insert(copy.end(), file.begin() + static_cast<std::ptrdiff_t>(offset),
                    file.begin() + static_cast<std::ptrdiff_t>(offset + length));
    copy.insert(copy.end(), file.begin() + static_cast<std::ptrdiff_t>(at), file.end());
    return ChunkView{copy, overruns};
}

}  // namespace

std::optional<PngPicture> DecodePng(std::span<const std::uint8_t> original) {
    std::vector<std::uint8_t> copy;
    const std::optional<ChunkView> view = ViewChunks(original, copy);
    if (!view || view->overruns || !Fits(view->bytes)) return std::nullopt;
    const std::span<const std::uint8_t> file = view->bytes;
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

std::optional<PngSize> PngSizeOf(std::span<const std::uint8_t> original) {
    std::vector<std::uint8_t> copy;
    const std::optional<ChunkView> view = ViewChunks(original, copy);
    if (!view || !Fits(view->bytes)) return std::nullopt;
    const std::span<const std::uint8_t> file = view->bytes;
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
