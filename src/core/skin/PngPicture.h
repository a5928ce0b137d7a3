#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

namespace ravix {

// A PNG picture decoded into 32-bit pixels in the layout of a top-down device-independent
// section: blue, green, red, alpha, the top row first, rows without padding. The colours are not
// premultiplied. The pixels are the decoder's own block, handed over without a copy: a picture
// as large as the main window's is 2.5 MB.
struct PngPicture {
    int width = 0;
    int height = 0;
    bool alpha = false;  // some pixel is not fully opaque
    std::unique_ptr<std::uint8_t, decltype(&std::free)> pixels{nullptr, &std::free};

    std::span<std::uint8_t> Bgra() const {
        return {pixels.get(), static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4};
    }
};

struct PngSize {
    int width = 0;
    int height = 0;
    bool operator==(const PngSize&) const = default;
};

// Skin pictures larger than this on a side (twice a large screen's width), or files larger than
// this, are refused: a damaged or hostile file must not make the program allocate without bound.
inline constexpr int kMaxPngSide = 8192;
inline constexpr std::size_t kMaxPngFileBytes = std::size_t{64} << 20;

// Decodes a PNG of any colour type and bit depth, interlaced or not (sixteen-bit samples keep
// their high byte). None when the bytes are not a whole PNG, a chunk claims more bytes than the
// file holds, or a side exceeds kMaxPngSide.
std::optional<PngPicture> DecodePng(std::span<const std::uint8_t> file);

// The width and height from the file's header alone, without decoding the pixels.
std::optional<PngSize> PngSizeOf(std::span<const std::uint8_t> file);

// The same, for a file on disk; none when it cannot be read either.
std::optional<PngPicture> ReadPngFile(std::wstring_view path);
std::optional<PngSize> ReadPngSize(std::wstring_view path);

}  // namespace ravix
