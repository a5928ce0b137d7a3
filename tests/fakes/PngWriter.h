#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravix::test_support {

// What a small PNG file holds, for the decoder's tests. `rows` are the image data as the file
// carries them: each row (of each pass, when interlaced) led by its filter byte.
struct PngContent {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 8;
    std::uint8_t colourType = 2;  // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    std::uint8_t interlace = 0;
    std::vector<std::uint8_t> rows;
    std::vector<std::uint8_t> palette;       // PLTE, when not empty
    std::vector<std::uint8_t> transparency;  // tRNS, when not empty
};

namespace png_detail {

inline std::uint32_t Crc(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void Big32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    Big32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Big32(out, Crc(out, typeAt));
}

// A zlib stream of one stored block (at most 65535 bytes).
inline std::vector<std::uint8_t> Stored(const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out = {0x78, 0x01, 0x01};
    const auto length = static_cast<std::uint16_t>(data.size());
    out.insert(out.end(), {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
                           static_cast<std::uint8_t>(~length), static_cast<std::uint8_t>(~length >> 8)});
    out.insert(out.end(), data.begin(), data.end());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Big32(out, (b << 16) | a);
    return out;
}

}  // namespace png_detail

inline std::vector<std::uint8_t> MakePng(const PngContent& content) {
    using namespace png_detail;
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    Big32(header, content.width);
    Big32(header, content.height);
    header.insert(header.end(), {content.bitDepth, content.colourType, 0, 0, content.interlace});
    Chunk(out, "IHDR", header);
    if (!content.palette.empty()) Chunk(out, "PLTE", content.palette);
    if (!content.transparency.empty()) Chunk(out, "tRNS", content.transparency);
    Chunk(out, "IDAT", Stored(content.rows));
    Chunk(out, "IEND", {});
    return out;
}

}  // namespace ravix::test_support
